#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calcorix/choices.hpp"
#include "platform/console.hpp"

// The settings record: everything the user can choose. LoadSettings fills it once at start-up;
// afterwards only the driver writes to it (it advances loopValue).

namespace calcorix {

enum class InputSource : std::uint8_t { CommandLine = 1, StandardInput = 2 };

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
  long double loopValue = 0;  // the value of LI in an expression
  bool graphRequested = false;
  std::uint8_t expressionWordCount = 0;  // command-line words, modulo 256
  std::string configFilePath;  // the configuration file that was read, else the one beside us
  TextMode textMode = TextMode::Automatic;  // -e: a, u, d
  bool errorStatus = false;                 // -x: end with status 2 after a failed calculation
  LoopProblem loopProblem = LoopProblem::None;
  // Short notes on what was probably not meant (an unknown switch, a negative number taken for a
  // switch, an unusable value in the configuration file), for a user at a terminal.
  std::vector<std::string> hints;
};

// The line and exit status of a loop problem (not None).
std::string_view LoopProblemLine(LoopProblem problem);
int LoopProblemStatus(LoopProblem problem);

// Fills every field of the settings at start-up: the defaults, then each choice from its switch
// when the switch is present, else from the configuration file when it has the key. A present
// switch with an unusable value (-tx) keeps the default; the file is not consulted for it. Loop and
// graph come from switches only. The configuration file is the first that exists of: the file
// named by CALCORIX_CONFIG, calcorix.cfg beside the executable, and
// $XDG_CONFIG_HOME/calcorix/calcorix.cfg (~/.config/calcorix/calcorix.cfg when that is unset); it
// is read once. An unusable loop switch is reported in loopProblem (-l1:x:3, -l1:2, -l1:2:3:4 and
// -l1E5000:1:2 are NotNumbers). Writes nothing and raises nothing.
Settings LoadSettings();

}  // namespace calcorix
