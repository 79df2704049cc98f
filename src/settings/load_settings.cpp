#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "settings/config_file.hpp"
#include "settings/hints.hpp"
#include "settings/keys.hpp"
#include "settings/real_number.hpp"
#include "settings/settings.hpp"
#include "settings/switches.hpp"

namespace calcorix {
namespace {

constexpr std::string_view kConfigFileName = "calcorix.cfg";

// The directory of the executable, up to and including its last "/", then the file name. The
// path is not cut to 255 characters: a cut path would name another file.
std::string ConfigFilePathBeside(const std::string& executablePath) {
  const std::size_t slash = executablePath.rfind('/');
  // An executable that could not be located has no folder: no file is looked for, and certainly
  // not in the current directory, which whoever controls it could fill.
  if (slash == std::string::npos) return {};
  return executablePath.substr(0, slash + 1) + std::string(kConfigFileName);
}

// $XDG_CONFIG_HOME/calcorix/calcorix.cfg, or ~/.config/calcorix/calcorix.cfg; empty when neither
// variable says where that is. A relative XDG_CONFIG_HOME is ignored, as the convention asks.
std::string UserConfigFilePath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (xdg != nullptr && xdg[0] == '/') {
    folder = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    folder = std::string(home) + "/.config";
  } else {
    return {};
  }
  return folder + "/calcorix/" + std::string(kConfigFileName);
}

// The first configuration file that exists, read; its path goes to the settings.
ConfigFile FindConfigFile(Settings& settings) {
  const std::string beside = ConfigFilePathBeside(ExecutablePath());
  const char* named = std::getenv("CALCORIX_CONFIG");
  for (const std::string& path :
       {named != nullptr ? std::string(named) : std::string(), beside, UserConfigFilePath()}) {
    if (path.empty()) continue;
    ConfigFile config(path);
    if (config.IsOpen()) {
      settings.configFilePath = path;
      return config;
    }
  }
  settings.configFilePath = beside;
  return ConfigFile();
}

// The switch's value when it names one of the choices; the file's only when the switch is
// absent altogether. An unusable value in the file is noted.
template <class Value, std::size_t N>
void ApplyLetterRule(Settings& settings, const ConfigFile& config, char letter,
                     std::string_view letters, const std::array<Value, N>& values, Value& field) {
  if (const auto index = ValueLetterIndex(SwitchText(letter), letters)) field = values[*index];
  if (SwitchPresent(letter) || !config.ConfigKeyPresent(letter)) return;
  const std::string text = config.ConfigText(letter);
  if (const auto index = ValueLetterIndex(text, letters)) {
    field = values[*index];
  } else {
    settings.hints.push_back(
        ConfigValueHint(settings.configFilePath, config.FindConfigKey(letter), letter, text));
  }
}

void LoadLoop(Settings& settings) {
  if (!SwitchPresent('l')) return;
  settings.loopEnabled = true;
  const std::string text = SwitchText('l');
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

  const std::optional<long double> start = ReadRealNumber(startText);
  const std::optional<long double> step = ReadRealNumber(stepText);
  const std::optional<long double> end = ReadRealNumber(rest);
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
void LoadDecimalPlaces(Settings& settings, const ConfigFile& config) {
  if (SwitchPresent('f')) {
    settings.options.decimalPlaces = static_cast<std::uint8_t>(SwitchInteger('f'));
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
void LoadErrorStatus(Settings& settings, const ConfigFile& config) {
  if (SwitchPresent('x')) {
    settings.errorStatus = SwitchText('x').empty();
  } else if (config.ConfigKeyPresent('x')) {
    const std::string text = config.ConfigText('x');
    settings.errorStatus = text.empty();
    if (!text.empty()) {
      settings.hints.push_back(
          ConfigValueHint(settings.configFilePath, config.FindConfigKey('x'), 'x', text));
    }
  }
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

Settings LoadSettings() {
  Settings settings;
  settings.options.decimalSeparator = DecimalSeparator();
  // The count is 8 bits wide: with 256 words or more only (count modulo 256) are joined.
  settings.expressionWordCount = static_cast<std::uint8_t>(CountExpressionWords());
  settings.hints = CommandLineHints();
  const ConfigFile config = FindConfigFile(settings);

  ApplyLetterRule(settings, config, 'i', kInputLetters,
                  std::array{InputSource::CommandLine, InputSource::StandardInput},
                  settings.inputSource);
  ApplyLetterRule(settings, config, 't', kAngleLetters,
                  std::array{AngleUnit::Degrees, AngleUnit::Radians, AngleUnit::Grads},
                  settings.options.angleUnit);
  ApplyLetterRule(
      settings, config, 'o', kFormatLetters,
      std::array{OutputFormat::Decimal, OutputFormat::Scientific, OutputFormat::Exponential,
                 OutputFormat::Hexadecimal, OutputFormat::Octal, OutputFormat::Binary},
      settings.options.outputFormat);
  LoadDecimalPlaces(settings, config);
  ApplyLetterRule(settings, config, 'e', kTextModeLetters,
                  std::array{TextMode::Automatic, TextMode::Utf8, TextMode::Cp852CrLf},
                  settings.textMode);
  LoadErrorStatus(settings, config);

  LoadLoop(settings);
  settings.graphRequested = SwitchPresent('p');
  return settings;
}

}  // namespace calcorix
