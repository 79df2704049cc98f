#include "driver/driver.hpp"

#include <cstdint>
#include <optional>
#include <string>

#include "arith/checked.hpp"
#include "calcorix/calculator.hpp"
#include "driver/formula_hint.hpp"
#include "driver/graph_run.hpp"
#include "driver/history_file.hpp"
#include "driver/line_editor.hpp"
#include "driver/loop_passes.hpp"
#include "driver/session_commands.hpp"
#include "driver/texts.hpp"
#include "platform/console.hpp"
#include "platform/line_reader.hpp"
#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "platform/signals.hpp"
#include "platform/system.hpp"
#include "settings/command_line.hpp"
#include "settings/config_location.hpp"
#include "settings/hints.hpp"
#include "settings/random_seed.hpp"
#include "settings/settings.hpp"

namespace calcorix {
namespace {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;

// The calculator's lines go to standard output as the program's own texts; at a terminal, where a
// malformed expression breaks goes to standard error after them. The sink remembers whether any
// calculation failed, or any expression was cut, for -x.
class ConsoleSink final : public LineSink {
 public:
  void Line(std::string_view text, LineKind kind) override {
    WriteLine(text);
    if (kind != LineKind::Result) anyFailed = true;
  }
  void FormulaFault(ErrorKind kind, std::size_t position) override {
    if (!showFaults) return;
    FlushConsole();  // the hint belongs under the error line
    for (const std::string& line : FormulaHint(expression, position, kind, utf8Diagnostics))
      WriteDiagnostic(line);
  }
  // An expression or input line that lost its end: noted at a terminal, and a failure for -x.
  void NoteCut() {
    anyCut = true;
    if (showFaults) WriteDiagnostic(CutExpressionHint());
  }
  bool Failed() const { return anyFailed || anyCut; }

  std::string_view expression;  // the one being computed, as typed
  bool showFaults = false;
  bool utf8Diagnostics = false;
  bool anyFailed = false;
  bool anyCut = false;
};

void Compute(Calculator& calculator, ConsoleSink& sink, std::string_view expression) {
  sink.expression = expression;
  calculator.Evaluate(expression, sink);
}

// Between two lines or loop passes: a noted SIGINT or SIGTERM ends the program now, after the
// whole lines written so far.
void EndIfSignalled() {
  if (const int signal = PendingTerminationSignal()) EndBySignal(signal);
}

// RAN's seed, from CALCORIX_SEED; an unusable one is said, and the clock seeds the generator.
std::optional<std::uint64_t> SeedOfThisRun() {
  bool unusableSeed = false;
  const std::optional<std::uint64_t> seed = SeedFromEnvironment(&unusableSeed);
  if (unusableSeed) {
    WriteDiagnostic("CALCORIX_SEED nie jest liczbą całkowitą od 0 do 18446744073709551615; " +
                    std::string("ziarno RAN pochodzi z zegara."));
  }
  return seed;
}

void RunLoop(const Settings& settings, const std::string& expression, Calculator& calculator,
             ConsoleSink& sink) {
  ForEachLoopPass(settings, calculator, [&] {
    Compute(calculator, sink, expression);
    // Every pass computes the same text, and LI changes nothing of its grammar: one hint is enough.
    sink.showFaults = false;
    return true;
  });
}

bool IsComment(const std::string& line) {
  return !line.empty() && (line[0] == '#' || line[0] == '%' || line[0] == ';');
}

// One line of standard input, typed or piped; false for the quit line.
bool HandleInputLine(const std::string& line, Calculator& calculator, ConsoleSink& sink) {
  if (IsComment(line)) {
    WriteRawLine(line);
  } else if (IsQuitLine(line)) {
    return false;
  } else {
    Compute(calculator, sink, line);
  }
  return true;
}

void RunStandardInput(Calculator& calculator, ConsoleSink& sink) {
  std::string line;
  // At a terminal, the line editor; everywhere else the bytes are read as they come.
  if (const auto editor = OpenLineEditor(kStandardInput, kStandardOutput)) {
    while (editor->ReadLine(line)) {
      EndIfSignalled();
      if (editor->LastLineCut()) sink.NoteCut();
      const SessionCommand command = SessionCommandOf(line);
      if (command == SessionCommand::Exit) return;
      if (command == SessionCommand::Help) {
        WriteHelpScreen();
        continue;
      }
      if (!HandleInputLine(line, calculator, sink)) return;
    }
    EndIfSignalled();
    return;
  }
  // Whatever was written reaches the user before the program waits for the next line.
  LineReader reader(kStandardInput, kDefaultBlockSize, FlushConsole);
  do {
    reader.ReadLine(line);
    EndIfSignalled();
    // A failed read is no end of the input: nothing more is computed, and it is no success.
    if (reader.Failed()) EndProgram(1);
    if (reader.LastLineCut()) sink.NoteCut();
    if (!HandleInputLine(line, calculator, sink)) return;
  } while (!reader.AtEnd());
  EndIfSignalled();
  if (reader.Failed()) EndProgram(1);
}

// Standard input that the user evidently meant the program to read: a pipe or a file.
bool InputIsPipeOrFile() {
  return KindOf(kStandardInput) != StreamKind::Other;
}

// Notes for a user at a terminal; nothing at all when standard error is no terminal.
void WriteHints(const CommandLine& line, const Settings& settings) {
  if (!IsTerminal(kStandardError)) return;
  for (const std::string& hint : settings.hints)
    WriteDiagnostic(hint);
  if (line.parameters.empty() && settings.inputSource == InputSource::CommandLine &&
      InputIsPipeOrFile()) {
    WriteDiagnostic(UnreadInputHint());
  }
}

}  // namespace

int RunCalcorix() {
  PrepareArithmeticUnit();
  const CommandLine line = ParseCommandLine(Parameters());
  Settings settings = LoadSettings(line, FindConfigFile(), DecimalSeparator());
  const TextStyle outputStyle = StyleFor(settings.textMode, kStandardOutput);
  BindConsole(kStandardOutput, outputStyle);
  BindDiagnostics(kStandardError, StyleFor(settings.textMode, kStandardError));
  WriteHints(line, settings);
  if (settings.loopProblem != LoopProblem::None) {
    WriteLine(LoopProblemLine(settings.loopProblem));
    EndProgram(LoopProblemStatus(settings.loopProblem));
  }
  if (line.helpRequested) PrintHelp();
  if (line.versionRequested) PrintVersion();
  const bool graph = settings.graph != GraphRequest::None;
  const bool commandLine = settings.inputSource == InputSource::CommandLine;
  if (graph && !(settings.loopEnabled && commandLine)) {
    // A usage error: on standard error, where it cannot end up in a file meant for the plot.
    WriteDiagnostic(GraphNeedsLoopLine());
    EndProgram(2);
  }
  if (line.parameters.empty()) PrintBanner(settings);

  // Standard input together with a loop computes nothing: the lines the user fed would be lost.
  if (settings.inputSource == InputSource::StandardInput && settings.loopEnabled) {
    WriteDiagnostic(
        "Odczytu ze standardowego wejścia nie można łączyć z pętlą (-l); nic nie obliczono.");
    return 2;
  }

  settings.options.seed = SeedOfThisRun();
  Calculator calculator(settings.options);
  ConsoleSink sink;
  sink.showFaults = IsTerminal(kStandardError);
  sink.utf8Diagnostics = StyleFor(settings.textMode, kStandardError).encoding == TextEncoding::Utf8;
  if (commandLine) {
    const std::string expression = line.JoinExpressionWords(settings.expressionWordCount);
    // The note on the cut was among the hints already.
    if (line.ExpressionIsCut(settings.expressionWordCount)) sink.anyCut = true;
    if (graph) {
      sink.anyFailed = DrawLoopGraph(settings, expression, calculator, outputStyle);
    } else if (settings.loopEnabled) {
      RunLoop(settings, expression, calculator, sink);
    } else {
      Compute(calculator, sink, expression);
    }
  } else {
    RunStandardInput(calculator, sink);
  }
  return settings.errorStatus && sink.Failed() ? 2 : 0;
}

}  // namespace calcorix
