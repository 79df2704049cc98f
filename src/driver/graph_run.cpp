#include "driver/graph_run.hpp"

#include <cstdlib>

#include "calcorix/graph.hpp"
#include "driver/loop_passes.hpp"
#include "platform/system.hpp"
#include "settings/graph_size.hpp"

namespace calcorix {
namespace {

constexpr int kStandardOutput = 1;
constexpr GraphSize kSvgSize{800, 500};

GraphForm TextFormFor(GraphRequest request, TextStyle style) {
  if (request == GraphRequest::Ascii) return GraphForm::Ascii;
  return style.encoding == TextEncoding::Utf8 ? GraphForm::Braille : GraphForm::HalfBlocks;
}

// A document has its own encoding and line ends; its bytes go out as they are.
void WriteSvgDocument(std::string_view document) {
  BindConsole(kStandardOutput, {TextEncoding::Utf8, false});
  while (!document.empty()) {
    const std::size_t end = document.find('\n');
    WriteRawLine(document.substr(0, end));
    if (end == std::string_view::npos) break;
    document.remove_prefix(end + 1);
  }
}

}  // namespace

bool DrawLoopGraph(const Settings& settings, const std::string& expression, Calculator& calculator,
                   TextStyle outputStyle) {
  GraphSeries series({settings.loopStart, settings.loopStep, settings.loopEnd});
  ForEachLoopPass(settings, calculator, [&] { return AddPass(series, calculator, expression); });
  const GraphOptions options{expression, settings.options.decimalSeparator};
  if (settings.graph == GraphRequest::Svg) {
    WriteSvgDocument(DrawSvgGraph(series, kSvgSize, options));
  } else {
    const GraphSize size = TextGraphSize(TerminalWindowSize(kStandardOutput),
                                         std::getenv("COLUMNS"), std::getenv("LINES"));
    for (const std::string& line :
         DrawTextGraph(series, TextFormFor(settings.graph, outputStyle), size, options))
      WriteLine(line);
  }
  return series.Errors() > 0;
}

std::string_view GraphNeedsLoopLine() {
  return "Opcja -p rysuje wykres pętli i potrzebuje -l oraz wyrażenia z linii poleceń, np.: "
         "calcorix -p -l0:0.1:6.3 \"sin(LI)\"";
}

}  // namespace calcorix
