#include "driver/driver.hpp"

#include <string>

#include "arith/checked.hpp"
#include "calcorix/calculator.hpp"
#include "driver/texts.hpp"
#include "platform/console.hpp"
#include "platform/line_reader.hpp"
#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "platform/system.hpp"
#include "settings/random_seed.hpp"
#include "settings/settings.hpp"
#include "settings/switches.hpp"

namespace calcorix {
namespace {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

// The calculator's lines go to standard output as the program's own texts.
class ConsoleSink final : public LineSink {
 public:
  void Line(std::string_view text, LineKind) override { WriteLine(text); }
};

Options OptionsFrom(const Settings& settings) {
  Options options;
  options.angleUnit = settings.angleUnit;
  options.outputFormat = settings.outputFormat;
  options.decimalPlaces = settings.decimalPlaces;
  options.decimalSeparator = DecimalSeparator();
  options.seed = SeedFromEnvironment();
  return options;
}

void RunSingleCalculation(const Settings& settings, Calculator& calculator, LineSink& sink) {
  calculator.Evaluate(JoinExpressionWords(settings.expressionWordCount), sink);
}

void RunLoop(Settings& settings, Calculator& calculator, LineSink& sink) {
  const std::string words = JoinExpressionWords(settings.expressionWordCount);
  const bool ascending = settings.loopStep >= 0;
  for (;;) {
    calculator.SetLoopValue(settings.loopValue);
    calculator.Evaluate(words, sink);
    // The loop value advances by repeated 80-bit addition, so rounding accumulates pass by pass.
    try {
      settings.loopValue = Add(settings.loopValue, settings.loopStep);
    } catch (const EOverflow&) {
      return;
    }
    if (ascending ? settings.loopValue > settings.loopEnd : settings.loopValue < settings.loopEnd) {
      return;
    }
  }
}

bool IsComment(const std::string& line) {
  return !line.empty() && (line[0] == '#' || line[0] == '%' || line[0] == ';');
}

bool IsQuit(const std::string& line) {
  return !line.empty() && (line[0] == 'q' || line[0] == 'Q');
}

void RunStandardInput(Calculator& calculator, LineSink& sink) {
  // Whatever was written reaches the user before the program waits for the next line.
  LineReader reader(kStandardInput, kDefaultBlockSize, FlushConsole);
  std::string line;
  do {
    reader.ReadLine(line);
    // A failed read is no end of the input: nothing more is computed, and it is no success.
    if (reader.Failed()) EndProgram(1);
    if (IsComment(line)) {
      WriteRawLine(line);
    } else if (IsQuit(line)) {
      return;
    } else {
      calculator.Evaluate(line, sink);
    }
  } while (!reader.AtEnd());
  if (reader.Failed()) EndProgram(1);
}

}  // namespace

void RunCalcorix() {
  PrepareArithmeticUnit();
  BindConsole(kStandardOutput, IsTerminal(kStandardOutput) && LocaleUsesUtf8()
                                   ? TextEncoding::Utf8
                                   : TextEncoding::Cp852);
  Settings settings = LoadSettings();
  if (SwitchPresent('?') || SwitchPresent('h')) PrintHelp();
  if (settings.graphRequested) {
    WriteLine("Rysowanie wykresów jeszcze nie zostało zaimplementowane.");
    EndProgram(0);
  }
  if (Parameters().empty()) PrintBanner(settings);

  Calculator calculator(OptionsFrom(settings));
  ConsoleSink sink;
  const bool commandLine = settings.inputSource == InputSource::CommandLine;
  if (commandLine && settings.loopEnabled) {
    RunLoop(settings, calculator, sink);
  } else if (commandLine) {
    RunSingleCalculation(settings, calculator, sink);
  } else if (!settings.loopEnabled) {
    RunStandardInput(calculator, sink);
  }
  // Standard input together with a loop computes nothing.
}

}  // namespace calcorix
