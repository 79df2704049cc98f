// The command-line parse, LoadSettings and the whole driver on arbitrary argument vectors. Byte 0
// chooses one of four configuration files beside the program (none, and three real ones); the
// rest is split at NUL bytes into the parameters, as no NUL can stand inside a real one.
//
// The parse must find the first switch of each letter, the words and the requests as the
// parameters have them; after LoadSettings the settings must hold valid values and the words be
// counted and joined as the command line has them; a start-up that ends must have written exactly
// its one loop message.
// Then, unless the run would read standard input or loop for long, the driver runs end to end:
// help, graph message, banner, single calculation or a short loop, in whole CR LF lines.

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.hpp"
#include "driver/driver.hpp"
#include "fuzz_support.hpp"
#include "platform/console.hpp"
#include "platform/cp852.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "settings/command_line.hpp"
#include "settings/config_location.hpp"
#include "settings/settings.hpp"

namespace calcorix::fuzz {
namespace {

constexpr std::size_t kMaxText = 255;
constexpr int kMaxLoopPasses = 64;

const char* const kConfigFiles[] = {
    nullptr,
    "-iS\n-tD\n-oE\n-f4\n",
    "; free text\r\n-t[D\r\nx]\r\n/oh\r\n-f-1",
    "-iC\r-tg\r-ob\r-f$10\r\x1A-oe\n",
};
std::string executables[4];

std::string Cp852(std::string_view utf8) {
  std::string bytes;
  AppendAsCp852(utf8, bytes);
  return bytes + "\r\n";
}

std::vector<std::string> SplitParameters(std::string_view bytes) {
  std::vector<std::string> parameters;
  if (bytes.empty()) return parameters;
  for (;;) {
    const std::size_t nul = bytes.find('\0');
    parameters.emplace_back(bytes.substr(0, nul));
    if (nul == std::string_view::npos) break;
    bytes.remove_prefix(nul + 1);
  }
  return parameters;
}

std::string Describe(const std::vector<std::string>& parameters) {
  std::string text;
  for (const std::string& p : parameters)
    text += "[" + p + "] ";
  return text;
}

// Whether the driver's loop would end within kMaxLoopPasses passes.
bool LoopIsShort(const Settings& settings) {
  std::optional<long double> value = settings.loopValue;
  for (int pass = 0; pass < kMaxLoopPasses && value; ++pass)
    value = NextLoopValue(settings, *value);
  return !value;
}

// The parse against the parameters themselves: each letter's first switch, the words in order,
// and the requests.
void CheckParse(const CommandLine& line, const std::vector<std::string>& parameters,
                const std::string& detail) {
  std::vector<std::string> words;
  std::string letters;
  bool help = false, version = false;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const std::string& p = parameters[i];
    help = help || p == "--help";
    version = version || p == "--version";
    if (p.empty() || p[0] != '-') {
      words.push_back(p.substr(0, kMaxText));
    } else if (p.size() >= 2 && letters.find(LowerAscii(p[1])) == std::string::npos) {
      letters.push_back(LowerAscii(p[1]));
      if (line.FindSwitch(p[1]) != i + 1) Fail("not the first switch of its letter", detail);
    }
  }
  if (line.words != words) Fail("expression words", detail);
  for (int code = 0; code < 256; ++code) {
    const auto letter = static_cast<char>(code);
    const bool present = letters.find(LowerAscii(letter)) != std::string::npos;
    if (line.SwitchPresent(letter) != present) Fail("switch presence", detail);
    if (line.SwitchText(letter).size() > kMaxText) Fail("switch text over 255 characters", detail);
  }
  if (line.helpRequested != (help || line.SwitchPresent('?') || line.SwitchPresent('h')) ||
      line.versionRequested != version || line.graphRequested != line.SwitchPresent('p')) {
    Fail("requests", detail);
  }
}

}  // namespace
}  // namespace calcorix::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace calcorix::fuzz;
  // RAN draws the same numbers in every run, so that a finding repeats.
  ::setenv("CALCORIX_SEED", "1", 1);
  char name[] = "/tmp/calcorix-fuzz-switches-XXXXXX";
  if (::mkdtemp(name) == nullptr) Fail("mkdtemp", name);
  // No configuration file but ours: none named by the environment, and no per-user one (the
  // folder holds no calcorix/ folder).
  ::unsetenv("CALCORIX_CONFIG");
  ::setenv("XDG_CONFIG_HOME", name, 1);
  for (int i = 0; i < 4; ++i) {
    const std::string folder = std::string(name) + "/" + std::to_string(i);
    ::mkdir(folder.c_str(), 0700);
    executables[i] = folder + "/calcorix";
    if (kConfigFiles[i] != nullptr) {
      std::ofstream(folder + "/calcorix.cfg", std::ios::binary) << kConfigFiles[i];
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace calcorix;
  using namespace calcorix::fuzz;
  if (size < 1) return -1;
  SetExecutablePath(executables[data[0] % 4]);
  const std::vector<std::string> parameters =
      SplitParameters(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  const std::string detail = Describe(parameters);
  const CommandLine line = ParseCommandLine(parameters);
  CheckParse(line, parameters, detail);

  std::string output;
  CaptureConsole(&output);
  Settings settings;
  try {
    settings = LoadSettings(line, FindConfigFile(), '.');
  } catch (...) {
    Fail("LoadSettings left with an exception", detail);
  }
  CaptureConsole(nullptr);
  if (!output.empty()) Fail("LoadSettings wrote", detail + "\n" + output);
  for (const std::string& hint : settings.hints) {
    if (hint.empty() || hint.find_first_of("\r\n") != std::string::npos)
      Fail("a hint that is no line", detail);
  }

  const auto source = static_cast<int>(settings.inputSource);
  const auto unit = static_cast<int>(settings.options.angleUnit);
  const auto format = static_cast<int>(settings.options.outputFormat);
  if (source < 1 || source > 2 || unit > 2 || format < 1 || format > 6) {
    Fail("a setting outside its values", detail);
  }
  if (settings.expressionWordCount != (line.words.size() & 0xFF)) Fail("word count", detail);
  const std::string expression = line.JoinExpressionWords(settings.expressionWordCount);
  std::string expected;
  for (std::size_t n = 1; n <= settings.expressionWordCount && expected.size() < kMaxText; ++n) {
    expected += line.ExpressionWord(n);
  }
  expected.resize(std::min(expected.size(), kMaxText));
  if (expression != expected) Fail("joined words differ from the words", detail);
  if (settings.loopEnabled &&
      !(std::isfinite(settings.loopStart) && std::isfinite(settings.loopStep) &&
        std::isfinite(settings.loopEnd))) {
    Fail("loop bounds not finite", detail);
  }

  const bool loopProblem = settings.loopProblem != LoopProblem::None;
  if (!loopProblem && settings.inputSource == InputSource::StandardInput && !settings.loopEnabled) {
    return 0;
  }
  if (!loopProblem && settings.loopEnabled && !LoopIsShort(settings)) return 0;
  // The driver parses the process's parameters itself.
  SetParameters(parameters);
  output.clear();
  CaptureConsole(&output);
  int status = -1;
  try {
    status = RunCalcorix();
  } catch (const ProgramEnd& end) {
    status = end.status;
  } catch (...) {
    Fail("an exception left the driver", detail);
  }
  CaptureConsole(nullptr);
  if (loopProblem) {
    // The loop message comes before anything else, alone.
    if (output != Cp852(LoopProblemLine(settings.loopProblem)) ||
        status != LoopProblemStatus(settings.loopProblem)) {
      Fail("the start-up ended without its loop message", detail + "\n" + output);
    }
    return 0;
  }
  // Standard input together with a loop computes nothing, and a graph without a loop draws
  // nothing: both say so with status 2.
  const bool inputWithLoop =
      settings.inputSource == InputSource::StandardInput && settings.loopEnabled;
  const bool graphWithoutLoop = settings.graph != GraphRequest::None && !settings.loopEnabled;
  if (status != 0 &&
      !(status == 2 && (settings.errorStatus || inputWithLoop || graphWithoutLoop))) {
    Fail("the driver ended with a status other than 0", detail + "\n" + output);
  }
  OutputLines(output);
  return 0;
}
