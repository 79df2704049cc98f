#include "driver/driver.hpp"

#include <memory>
#include <string>

#include "driver/input_reader.hpp"
#include "driver/line_editor.hpp"
#include "driver/texts.hpp"
#include "engine/checked.hpp"
#include "output/result_printer.hpp"
#include "platform/console.hpp"
#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "platform/system.hpp"
#include "settings/settings.hpp"
#include "settings/switches.hpp"

namespace calcorix {
namespace {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

void RunSingleCalculation() {
  expressionText = JoinExpressionWords(settings.expressionWordCount);
  ResultPrinter();
}

void RunLoop() {
  const std::string words = JoinExpressionWords(settings.expressionWordCount);
  const bool ascending = settings.loopStep >= 0;
  for (;;) {
    expressionText = words;  // the calculation rewrites it in place
    ResultPrinter();
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

// One line of standard input, typed or piped; false for the quit line.
bool HandleInputLine(const std::string& line) {
  if (IsComment(line)) {
    WriteRawLine(line);
  } else if (IsQuit(line)) {
    return false;
  } else {
    expressionText = line;
    ResultPrinter();
  }
  return true;
}

void RunStandardInput() {
  std::string line;
  // At a terminal, the line editor; everywhere else the bytes are read as they come.
  if (const auto editor = OpenLineEditor(kStandardInput, kStandardOutput)) {
    while (editor->ReadLine(line) && HandleInputLine(line)) {
    }
    return;
  }
  const auto reader = std::make_unique<InputReader>(kStandardInput);
  do {
    reader->ReadLine(line);
    if (!HandleInputLine(line)) return;
  } while (!reader->AtEnd());
}

}  // namespace

void RunCalcorix() {
  PrepareArithmeticUnit();
  BindConsole(kStandardOutput, IsTerminal(kStandardOutput) && LocaleUsesUtf8()
                                   ? TextEncoding::Utf8
                                   : TextEncoding::Cp852);
  LoadSettings();
  if (SwitchPresent('?') || SwitchPresent('h')) PrintHelp();
  if (settings.graphRequested) {
    WriteLine("Rysowanie wykresów jeszcze nie zostało zaimplementowane.");
    EndProgram(0);
  }
  if (Parameters().empty()) PrintBanner();
  expressionText.clear();

  const bool commandLine = settings.inputSource == InputSource::CommandLine;
  if (commandLine && settings.loopEnabled) {
    RunLoop();
  } else if (commandLine) {
    RunSingleCalculation();
  } else if (!settings.loopEnabled) {
    RunStandardInput();
  }
  // Standard input together with a loop computes nothing.
}

}  // namespace calcorix
