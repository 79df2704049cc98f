#pragma once

#include <cstdint>
#include <string>

#include "calcorix/choices.hpp"

// The settings record: everything the user can choose. LoadSettings fills it once at start-up;
// afterwards only the driver writes to it (it advances loopValue).

namespace calcorix {

enum class InputSource : std::uint8_t { CommandLine = 1, StandardInput = 2 };

struct Settings {
  InputSource inputSource = InputSource::CommandLine;
  AngleUnit angleUnit = AngleUnit::Radians;
  OutputFormat outputFormat = OutputFormat::Decimal;
  std::uint8_t decimalPlaces = kNoFixedPlaces;
  bool loopEnabled = false;
  long double loopStart = 0;
  long double loopStep = 0;
  long double loopEnd = 0;
  long double loopValue = 0;  // the value of LI in an expression
  bool graphRequested = false;
  std::uint8_t expressionWordCount = 0;  // command-line words, modulo 256
  std::string configFilePath;
};

// Fills every field of the settings at start-up: the defaults, then each choice from its switch
// when the switch is present, else from the configuration file (configFilePath) when it has the
// key. A present switch with an unusable value (-tx) keeps the default; the file is not consulted.
// Loop and graph come from switches only.
// May end the program (EndProgram) after writing one line, when the loop switch is unusable:
//   -l with an empty value: "Musisz podać parametry pętli.", status 0;
//   a value without ":": "Błąd składni pętli.", status 0;
//   a start, step or end that is no number or lies beyond the 80-bit range (-l1:x:3, -l1:2,
//   -l1:2:3:4, -l1E5000:1:2): "Błędne parametry pętli.", status 1.
// Raises nothing else.
Settings LoadSettings();

}  // namespace calcorix
