#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcorix/choices.hpp"
#include "platform/console.hpp"
#include "settings/command_line.hpp"
#include "settings/config_file.hpp"

// The settings record: everything the user can choose. LoadSettings fills it once at start-up;
// afterwards only the driver writes to it (it sets the seed).

namespace calcorix {

enum class InputSource : std::uint8_t { CommandLine = 1, StandardInput = 2 };

// What -p asks for: a text plot in the characters of the output (also for an unusable value), a
// text plot in ASCII (-pa), or an SVG document (-ps).
enum class GraphRequest : std::uint8_t { None, Text, Ascii, Svg };

// What is wrong with the loop switch, if anything; the driver answers it before anything else.
enum class LoopProblem : std::uint8_t {
  None,
  NoParameters,  // -l alone: "Musisz podać parametry pętli.", status 0
  NoColon,       // "Błąd składni pętli.", status 0
  NotNumbers,    // a start, step or end that is no usable number: "Błędne parametry pętli.", 1
};

struct Settings {
  // The angle unit, the format and the decimal places from the switches and the file; the decimal
  // separator from the locale. The seed is the environment's, and the driver's to set.
  Options options;
  InputSource inputSource = InputSource::CommandLine;
  bool loopEnabled = false;
  long double loopStart = 0;
  long double loopStep = 0;
  long double loopEnd = 0;
  long double loopValue = 0;  // the value of LI in the first pass
  GraphRequest graph = GraphRequest::None;
  std::uint8_t expressionWordCount = 0;  // command-line words, modulo 256
  std::string configFilePath;  // the configuration file that was read, else the one beside us
  TextMode textMode = TextMode::Automatic;  // -e: a, u, d
  bool errorStatus = false;                 // -x: end with status 2 after a failed calculation
  LoopProblem loopProblem = LoopProblem::None;
  // Short notes on what was probably not meant (an unknown switch, a negative number taken for a
  // switch, an unusable value in the configuration file), for a user at a terminal.
  std::vector<std::string> hints;
};

// The loop value after `value`: value + loopStep in 80-bit arithmetic, so rounding accumulates
// pass by pass. Nothing when the loop is over: the sum lies beyond loopEnd (below it for a
// negative step), or beyond the 80-bit range. Raises nothing.
std::optional<long double> NextLoopValue(const Settings& settings, long double value);

// The line and exit status of a loop problem (not None).
std::string_view LoopProblemLine(LoopProblem problem);
int LoopProblemStatus(LoopProblem problem);

// Fills every field of the settings at start-up from the command line and the configuration file
// (settings/config_location.hpp finds it): the defaults, then each choice from its switch when
// the switch is present, else from the file when it has the key. A present switch with an
// unusable value (-tx) keeps the default; the file is not consulted for it. Loop and graph come
// from switches only. `decimalSeparator`, the locale's, reads the loop's numbers and goes to the
// options. An unusable loop switch is reported in loopProblem (-l1:x:3, -l1:2, -l1:2:3:4 and
// -l1E5000:1:2 are NotNumbers). Reads nothing else, writes nothing and raises nothing but a
// failure to allocate.
Settings LoadSettings(const CommandLine& line, const ConfigFile& config, char decimalSeparator);

}  // namespace calcorix
