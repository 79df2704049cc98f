#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/command_line.hpp"
#include "settings/config_file.hpp"
#include "settings/hints.hpp"
#include "settings/keys.hpp"
#include "settings/real_number.hpp"
#include "settings/settings.hpp"

namespace calcorix {
namespace {

// The switch's value when it names one of the choices; the file's only when the switch is
// absent altogether. An unusable value in the file is noted.
template <class Value, std::size_t N>
void ApplyLetterRule(Settings& settings, const CommandLine& line, const ConfigFile& config,
                     char letter, std::string_view letters, const std::array<Value, N>& values,
                     Value& field) {
  if (const auto index = ValueLetterIndex(line.SwitchText(letter), letters)) field = values[*index];
  if (line.SwitchPresent(letter) || !config.ConfigKeyPresent(letter)) return;
  const std::string text = config.ConfigText(letter);
  if (const auto index = ValueLetterIndex(text, letters)) {
    field = values[*index];
  } else {
    settings.hints.push_back(
        ConfigValueHint(settings.configFilePath, config.FindConfigKey(letter), letter, text));
  }
}

void LoadLoop(Settings& settings, const CommandLine& line) {
  if (!line.SwitchPresent('l')) return;
  settings.loopEnabled = true;
  const std::string text = line.SwitchText('l');
  if (text.empty()) {
    settings.loopProblem = LoopProblem::NoParameters;
    return;
  }
  const std::size_t firstColon = text.find(':');
  if (firstColon == std::string::npos) {
    settings.loopProblem = LoopProblem::NoColon;
    return;
  }

  const std::string_view startText = std::string_view(text).substr(0, firstColon);
  std::string_view rest = std::string_view(text).substr(firstColon + 1);
  // Without a second ":" the step text is empty, and so no number.
  const std::size_t secondColon = rest.find(':');
  const std::string_view stepText =
      secondColon == std::string_view::npos ? std::string_view() : rest.substr(0, secondColon);
  if (secondColon != std::string_view::npos) rest.remove_prefix(secondColon + 1);

  const std::optional<long double> start =
      ReadRealNumber(startText, settings.options.decimalSeparator);
  const std::optional<long double> step =
      ReadRealNumber(stepText, settings.options.decimalSeparator);
  const std::optional<long double> end = ReadRealNumber(rest, settings.options.decimalSeparator);
  if (!start || !step || !end) {
    settings.loopProblem = LoopProblem::NotNumbers;
    return;
  }
  settings.loopStart = *start;
  settings.loopStep = *step;
  settings.loopEnd = *end;
  settings.loopValue = *start;
}

// -f: modulo 256 keeps the low 8 bits of the 32-bit number: -1 gives 255, 300 gives 44.
void LoadDecimalPlaces(Settings& settings, const CommandLine& line, const ConfigFile& config) {
  if (line.SwitchPresent('f')) {
    settings.options.decimalPlaces = static_cast<std::uint8_t>(line.SwitchInteger('f'));
  } else if (config.ConfigKeyPresent('f')) {
    settings.options.decimalPlaces = static_cast<std::uint8_t>(config.ConfigInteger('f'));
    const std::string text = config.ConfigText('f');
    if (!IsUsableValue('f', text)) {
      settings.hints.push_back(
          ConfigValueHint(settings.configFilePath, config.FindConfigKey('f'), 'f', text));
    }
  }
}

// -x takes no value; with one, it is unusable and keeps the default.
void LoadErrorStatus(Settings& settings, const CommandLine& line, const ConfigFile& config) {
  if (line.SwitchPresent('x')) {
    settings.errorStatus = line.SwitchText('x').empty();
  } else if (config.ConfigKeyPresent('x')) {
    const std::string text = config.ConfigText('x');
    settings.errorStatus = text.empty();
    if (!text.empty()) {
      settings.hints.push_back(
          ConfigValueHint(settings.configFilePath, config.FindConfigKey('x'), 'x', text));
    }
  }
}

// -p from the switch alone; a value that is no graph letter keeps the text plot.
void LoadGraph(Settings& settings, const CommandLine& line) {
  if (!line.graphRequested) return;
  constexpr GraphRequest kLettered[] = {GraphRequest::Ascii, GraphRequest::Svg};
  const auto index = ValueLetterIndex(line.SwitchText('p'), kGraphLetters);
  settings.graph = index ? kLettered[*index] : GraphRequest::Text;
}

}  // namespace

std::string_view LoopProblemLine(LoopProblem problem) {
  switch (problem) {
    case LoopProblem::NoParameters:
      return "Musisz podać parametry pętli.";
    case LoopProblem::NoColon:
      return "Błąd składni pętli.";
    case LoopProblem::NotNumbers:
    case LoopProblem::None:
      break;
  }
  return "Błędne parametry pętli.";
}

int LoopProblemStatus(LoopProblem problem) {
  return problem == LoopProblem::NotNumbers ? 1 : 0;
}

Settings LoadSettings(const CommandLine& line, const ConfigFile& config, char decimalSeparator) {
  Settings settings;
  settings.options.decimalSeparator = decimalSeparator;
  // The count is 8 bits wide: with 256 words or more only (count modulo 256) are joined.
  settings.expressionWordCount = static_cast<std::uint8_t>(line.CountExpressionWords());
  settings.hints = CommandLineHints(line);
  settings.configFilePath = config.Path();

  ApplyLetterRule(settings, line, config, 'i', kInputLetters,
                  std::array{InputSource::CommandLine, InputSource::StandardInput},
                  settings.inputSource);
  ApplyLetterRule(settings, line, config, 't', kAngleLetters,
                  std::array{AngleUnit::Degrees, AngleUnit::Radians, AngleUnit::Grads},
                  settings.options.angleUnit);
  ApplyLetterRule(
      settings, line, config, 'o', kFormatLetters,
      std::array{OutputFormat::Decimal, OutputFormat::Scientific, OutputFormat::Exponential,
                 OutputFormat::Hexadecimal, OutputFormat::Octal, OutputFormat::Binary},
      settings.options.outputFormat);
  LoadDecimalPlaces(settings, line, config);
  ApplyLetterRule(settings, line, config, 'e', kTextModeLetters,
                  std::array{TextMode::Automatic, TextMode::Utf8, TextMode::Cp852CrLf},
                  settings.textMode);
  LoadErrorStatus(settings, line, config);

  LoadLoop(settings, line);
  LoadGraph(settings, line);
  return settings;
}

}  // namespace calcorix
