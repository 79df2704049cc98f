#include "driver/driver.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "arith/checked.hpp"
#include "calcorix/calculator.hpp"
#include "driver/history_file.hpp"
#include "driver/line_editor.hpp"
#include "driver/texts.hpp"
#include "platform/console.hpp"
#include "platform/line_reader.hpp"
#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "platform/signals.hpp"
#include "platform/system.hpp"
#include "settings/hints.hpp"
#include "settings/random_seed.hpp"
#include "settings/settings.hpp"
#include "settings/switches.hpp"

namespace calcorix {
namespace {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;

// The calculator's lines go to standard output as the program's own texts; the sink remembers
// whether any calculation failed, for -x.
class ConsoleSink final : public LineSink {
 public:
  void Line(std::string_view text, LineKind kind) override {
    WriteLine(text);
    if (kind != LineKind::Result) anyFailed = true;
  }
  bool anyFailed = false;
};

// Between two lines or loop passes: a noted SIGINT or SIGTERM ends the program now, after the
// whole lines written so far.
void EndIfSignalled() {
  if (const int signal = PendingTerminationSignal()) EndBySignal(signal);
}

Options OptionsFrom(const Settings& settings) {
  Options options;
  options.angleUnit = settings.angleUnit;
  options.outputFormat = settings.outputFormat;
  options.decimalPlaces = settings.decimalPlaces;
  options.decimalSeparator = DecimalSeparator();
  bool unusableSeed = false;
  options.seed = SeedFromEnvironment(&unusableSeed);
  if (unusableSeed) {
    WriteDiagnostic("CALCORIX_SEED nie jest liczbą całkowitą od 0 do 18446744073709551615; " +
                    std::string("ziarno RAN pochodzi z zegara."));
  }
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
    EndIfSignalled();
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

// One line of standard input, typed or piped; false for the quit line.
bool HandleInputLine(const std::string& line, Calculator& calculator, LineSink& sink) {
  if (IsComment(line)) {
    WriteRawLine(line);
  } else if (IsQuitLine(line)) {
    return false;
  } else {
    calculator.Evaluate(line, sink);
  }
  return true;
}

void RunStandardInput(Calculator& calculator, LineSink& sink) {
  std::string line;
  // At a terminal, the line editor; everywhere else the bytes are read as they come.
  if (const auto editor = OpenLineEditor(kStandardInput, kStandardOutput)) {
    while (editor->ReadLine(line)) {
      EndIfSignalled();
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
    if (!HandleInputLine(line, calculator, sink)) return;
  } while (!reader.AtEnd());
  EndIfSignalled();
  if (reader.Failed()) EndProgram(1);
}

bool HasParameter(std::string_view wanted) {
  const auto& parameters = Parameters();
  return std::find(parameters.begin(), parameters.end(), wanted) != parameters.end();
}

// Standard input that the user evidently meant the program to read: a pipe or a file.
bool InputIsPipeOrFile() {
  struct stat status {};
  return ::fstat(kStandardInput, &status) == 0 &&
         (S_ISFIFO(status.st_mode) || S_ISREG(status.st_mode));
}

// Notes for a user at a terminal; nothing at all when standard error is no terminal.
void WriteHints(const Settings& settings) {
  if (!IsTerminal(kStandardError)) return;
  for (const std::string& hint : settings.hints)
    WriteDiagnostic(hint);
  if (Parameters().empty() && settings.inputSource == InputSource::CommandLine &&
      InputIsPipeOrFile()) {
    WriteDiagnostic(UnreadInputHint());
  }
}

}  // namespace

int RunCalcorix() {
  PrepareArithmeticUnit();
  Settings settings = LoadSettings();
  BindConsole(kStandardOutput, StyleFor(settings.textMode, kStandardOutput));
  BindDiagnostics(kStandardError, StyleFor(settings.textMode, kStandardError));
  WriteHints(settings);
  if (settings.loopProblem != LoopProblem::None) {
    WriteLine(LoopProblemLine(settings.loopProblem));
    EndProgram(LoopProblemStatus(settings.loopProblem));
  }
  if (SwitchPresent('?') || SwitchPresent('h') || HasParameter("--help")) PrintHelp();
  if (HasParameter("--version")) PrintVersion();
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
  return settings.errorStatus && sink.anyFailed ? 2 : 0;
}

}  // namespace calcorix
