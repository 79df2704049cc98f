#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/console.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "settings/config_file.hpp"
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

// The position of the whole text among the value letters (case ignored), if it is one of them.
std::optional<std::size_t> ValueLetterIndex(const std::string& text, std::string_view letters) {
  if (text.size() != 1) return std::nullopt;
  const std::size_t index = letters.find(UpperAscii(text[0]));
  if (index == std::string_view::npos) return std::nullopt;
  return index;
}

// The switch's value when it names one of the choices; the file's only when the switch is
// absent altogether.
template <class Value, std::size_t N>
void ApplyLetterRule(const ConfigFile& config, char letter, std::string_view letters,
                     const std::array<Value, N>& values, Value& field) {
  if (const auto index = ValueLetterIndex(SwitchText(letter), letters)) field = values[*index];
  if (SwitchPresent(letter)) return;
  if (const auto index = ValueLetterIndex(config.ConfigText(letter), letters)) {
    field = values[*index];
  }
}

[[noreturn]] void EndWithLine(std::string_view line, int status) {
  WriteLine(line);
  EndProgram(status);
}

void LoadLoop(Settings& settings) {
  if (!SwitchPresent('l')) return;
  settings.loopEnabled = true;
  const std::string text = SwitchText('l');
  if (text.empty()) EndWithLine("Musisz podać parametry pętli.", 0);
  const std::size_t firstColon = text.find(':');
  if (firstColon == std::string::npos) EndWithLine("Błąd składni pętli.", 0);

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
  if (!start || !step || !end) EndWithLine("Błędne parametry pętli.", 1);
  settings.loopStart = *start;
  settings.loopStep = *step;
  settings.loopEnd = *end;
  settings.loopValue = *start;
}

}  // namespace

Settings LoadSettings() {
  Settings settings;
  settings.configFilePath = ConfigFilePathBeside(ExecutablePath());
  // The count is 8 bits wide: with 256 words or more only (count modulo 256) are joined.
  settings.expressionWordCount = static_cast<std::uint8_t>(CountExpressionWords());
  const ConfigFile config(settings.configFilePath);

  ApplyLetterRule(config, 'i', "CS",
                  std::array{InputSource::CommandLine, InputSource::StandardInput},
                  settings.inputSource);
  ApplyLetterRule(config, 't', "DRG",
                  std::array{AngleUnit::Degrees, AngleUnit::Radians, AngleUnit::Grads},
                  settings.angleUnit);
  ApplyLetterRule(
      config, 'o', "DSEHOB",
      std::array{OutputFormat::Decimal, OutputFormat::Scientific, OutputFormat::Exponential,
                 OutputFormat::Hexadecimal, OutputFormat::Octal, OutputFormat::Binary},
      settings.outputFormat);

  // Modulo 256 keeps the low 8 bits of the 32-bit number: -1 gives 255, 300 gives 44.
  if (SwitchPresent('f')) {
    settings.decimalPlaces = static_cast<std::uint8_t>(SwitchInteger('f'));
  } else if (config.ConfigKeyPresent('f')) {
    settings.decimalPlaces = static_cast<std::uint8_t>(config.ConfigInteger('f'));
  }

  LoadLoop(settings);
  settings.graphRequested = SwitchPresent('p');
  return settings;
}

}  // namespace calcorix
