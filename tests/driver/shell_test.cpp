// The shell's conventions, end to end on the real binary: --help and --version, the text modes,
// the error exit status, where the configuration file is found, CALCORIX_SEED, an orderly end on
// SIGTERM, and the notes on standard error for a user at a terminal.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "support/temp_folder.hpp"

namespace calcorix::test {
namespace {

std::string Output(const std::vector<std::string>& arguments) {
  Installed installed(std::nullopt);
  ProcessOptions options;
  options.arguments = arguments;
  return installed.Run(options).output;
}

const std::string kTitle =
    "CALCORIX 1.0 - podręczny kalkulator obliczający wyrażenia z linii poleceń.";
const std::string kNotice = "Copyright (c) CALCORIX authors. Licencja MIT.";

TEST(Shell, HelpAndVersion) {
  const std::string help = Output({"-h"});
  ASSERT_EQ(help.substr(0, 8), "CALCORIX");
  RunCases({
      {"--help is -h", {"--help"}, "", {}, help},
      {"--help among other words", {"-td", "--help", "1+1"}, "", {}, help},
      {"--version", {"--version"}, "", {}, Lines({kTitle, kNotice})},
      {"--version in UTF-8", {"-eu", "--version"}, "", {}, kTitle + "\n" + kNotice + "\n"},
      {"other long words are ignored switches", {"--helpme", "2+2"}, "", {}, Lines({"4"})},
      {"a loop problem comes first", {"--help", "-l5"}, "", {}, Lines({"Błąd składni pętli."})},
  });
}

TEST(Shell, TextModes) {
  const std::string help = Output({"-h"});
  const std::string utf8Help = Output({"-eu", "-h"});
  EXPECT_NE(utf8Help.find("podręczny"), std::string::npos);
  EXPECT_EQ(utf8Help.find('\r'), std::string::npos);
  RunCases({
      {"-eu: UTF-8 and LF", {"-eu", "0/0"}, "", {}, "Błąd w formule.\n"},
      {"-eu: a number alone on its line", {"-eu", "2+3"}, "", {}, "5\n"},
      {"-ed: code page 852 and CR LF", {"-ed", "0/0"}, "", {}, Lines({"Błąd w formule."})},
      {"-ea in a pipe: code page 852 and CR LF",
       {"-ea", "0/0"},
       "",
       {},
       Lines({"Błąd w formule."})},
      {"from the file", {"0/0"}, "", "-eU\n", "Błąd w formule.\n"},
      {"the switch before the file", {"-ed", "0/0"}, "", "-eu\n", Lines({"Błąd w formule."})},
      {"an unusable switch value keeps the default, not the file's",
       {"-ex", "0/0"},
       "",
       "-eu\n",
       Lines({"Błąd w formule."})},
      {"comments keep their bytes; only the line end follows the mode",
       {"-eu", "-is"},
       "#x\x88\r\n1\n",
       {},
       "#x\x88\n1\n"},
      {"the help, as -ed gives it", {"-ed", "-h"}, "", {}, help},
  });
#ifndef _WIN32  // a pseudo-terminal; a Windows console takes characters, not bytes
  // On a UTF-8 terminal the automatic mode writes UTF-8 with CR LF; -ed keeps code page 852.
  Installed installed(std::nullopt);
  const struct {
    const char* mode;
    std::string expected;
  } terminalRows[] = {
      {"-ea", "Błąd w formule.\r\n"},
      {"-eu", "Błąd w formule.\n"},
      {"-ed", Lines({"Błąd w formule."})},
  };
  for (const auto& row : terminalRows) {
    ProcessOptions options;
    options.target = OutputTarget::Terminal;
    options.environment = {"LANG=C.UTF-8", "PATH=/usr/bin:/bin"};
    options.arguments = {row.mode, "0/0"};
    EXPECT_EQ(installed.Run(options).output, row.expected) << row.mode;
  }
#endif
}

TEST(Shell, ErrorStatusOnRequest) {
  const std::string divide = "Błąd: dzielenie przez zero.";
  const std::string ones = std::string(299, '1');
  RunCases({
      {"single, a typo", {"-x", "2+*3"}, "", {}, Lines({"Błąd w formule"}), 2},
      {"single, cut at 255 characters",
       {"-x", ones, "/1"},
       "",
       {},
       Lines({"1.111111111111111E254"}),
       2},
      {"standard input, a line cut at 255 characters",
       {"-x", "-is"},
       ones + "\n2\n",
       {},
       Lines({"1.111111111111111E254", "2"}),
       2},
      {"single, an error", {"-x", "1/0"}, "", {}, Lines({divide}), 2},
      {"single, no -x", {"1/0"}, "", {}, Lines({divide}), 0},
      {"single, no error", {"-x", "1+1"}, "", {}, Lines({"2"}), 0},
      {"single, missing parenthesis",
       {"-x", "(1"},
       "",
       {},
       Lines({"Brakuje 1 nawiasów \")\"."}),
       2},
      {"single, formula error", {"-X", "2**3"}, "", {}, Lines({"Błąd w formule"}), 2},
      {"loop, one pass fails",
       {"-x", "-l1:1:3", "1/(LI-2)"},
       "",
       {},
       Lines({"-1", divide, "1"}),
       2},
      {"loop, none fails", {"-x", "-l1:1:3", "LI"}, "", {}, Lines({"1", "2", "3"}), 0},
      {"standard input, one line fails",
       {"-x", "-is"},
       "1\n(1\n2\n",
       {},
       Lines({"1", "Brakuje 1 nawiasów \")\".", "2"}),
       2},
      {"standard input, quit after a failure", {"-x", "-is"}, "1/0\nq\n", {}, Lines({divide}), 2},
      {"standard input, comments are no failure",
       {"-x", "-is"},
       "#note\n1\n",
       {},
       Lines({"#note", "1"}),
       0},
      {"from the file", {"1/0"}, "", "-x\n", Lines({divide}), 2},
      {"-x with a value is unusable", {"-x1", "1/0"}, "", {}, Lines({divide}), 0},
      {"a loop problem keeps its status",
       {"-x", "-l1:x:3", "LI"},
       "",
       {},
       Lines({"Błędne parametry pętli."}),
       1},
  });
}

TEST(Shell, WhereTheConfigurationFileIsFound) {
  // SIN(100) tells the angle unit apart: grads, degrees or radians.
  const std::string grads = Lines({"1"}), degrees = Lines({"0.984807753012208"}),
                    radians = Lines({"-0.506365641109759"});
  const TempFolder folders;
  const std::string named = folders.Write("named.cfg", "-tG\n");
#ifdef _WIN32
  const std::string appData = folders.Path("roaming");
  folders.Write("roaming/calcorix/calcorix.cfg", "-tD\n");
  const struct {
    const char* name;
    std::vector<std::string> environment;
    std::optional<std::string> beside;
    std::string expected;
  } rows[] = {
      {"CALCORIX_CONFIG first", {"CALCORIX_CONFIG=" + named, "APPDATA=" + appData}, "-tR\n", grads},
      {"CALCORIX_CONFIG with forward slashes",
       {"CALCORIX_CONFIG=" + folders.Root().generic_string() + "/named.cfg"},
       {},
       grads},
      {"a CALCORIX_CONFIG that names a device is passed over",
       {"CALCORIX_CONFIG=NUL", "APPDATA=" + appData},
       {},
       degrees},
      {"beside the executable before the user's", {"APPDATA=" + appData}, "-tG\n", grads},
      {"then APPDATA", {"APPDATA=" + appData}, {}, degrees},
      {"a relative APPDATA is ignored", {"APPDATA=roaming"}, {}, radians},
      {"none at all", {}, {}, radians},
  };
#else
  const std::string xdg = folders.Path("xdg");
  folders.Write("xdg/calcorix/calcorix.cfg", "-tD\n");
  folders.Write("home/.config/calcorix/calcorix.cfg", "-tD\n");
  const std::string home = folders.Path("home");
  folders.Write("system/calcorix/calcorix.cfg", "-tD\n");
  folders.Write("site/calcorix/calcorix.cfg", "-tG\n");
  const std::string system = folders.Path("system"), site = folders.Path("site");
  const struct {
    const char* name;
    std::vector<std::string> environment;
    std::optional<std::string> beside;
    std::string expected;
  } rows[] = {
      {"CALCORIX_CONFIG first",
       {"CALCORIX_CONFIG=" + named, "XDG_CONFIG_HOME=" + xdg},
       "-tR\n",
       grads},
      {"a CALCORIX_CONFIG that names nothing is passed over",
       {"CALCORIX_CONFIG=" + folders.Path("missing.cfg"), "XDG_CONFIG_HOME=" + xdg},
       "-tR\n",
       radians},
      {"beside the executable before the user's", {"XDG_CONFIG_HOME=" + xdg}, "-tG\n", grads},
      {"then XDG_CONFIG_HOME",
       {"XDG_CONFIG_HOME=" + xdg, "HOME=/nonexistent", "XDG_CONFIG_DIRS=" + site},
       {},
       degrees},
      {"then ~/.config", {"HOME=" + home}, {}, degrees},
      {"a relative XDG_CONFIG_HOME is ignored",
       {"XDG_CONFIG_HOME=xdg", "HOME=/nonexistent"},
       {},
       radians},
      {"then the first folder of XDG_CONFIG_DIRS that has one, relative ones passed over",
       {"HOME=/nonexistent", "XDG_CONFIG_DIRS=site:/nonexistent::" + system + ":" + site},
       {},
       degrees},
      {"none at all", {"HOME=/nonexistent"}, {}, radians},
  };
#endif
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Installed installed(row.beside);
    ProcessOptions options;
    options.arguments = {"SIN(100)"};
    for (const std::string& variable : row.environment)
      SetVariable(options.environment, variable);
    const ProcessResult result = installed.Run(options);
    EXPECT_EQ(result.output, row.expected);
    EXPECT_EQ(result.exitStatus, 0);
  }
}

TEST(Shell, AnUnusableSeedIsNotedOnStandardError) {
  Installed installed(std::nullopt);
  const auto run = [&](const std::string& seed, const std::string& expression) {
    ProcessOptions options;
    options.arguments = {"-eu", expression};
    options.errorTarget = ErrorTarget::Pipe;
    options.environment.push_back("CALCORIX_SEED=" + seed);
    return installed.Run(options);
  };
  for (const std::string seed : {"", "abc", "-5", "18446744073709551616", "1.5"}) {
    SCOPED_TRACE(seed);
    const ProcessResult result = run(seed, "1+1");
    EXPECT_EQ(result.output, "2\n");
    EXPECT_EQ(result.exitStatus, 0);
    ASSERT_FALSE(result.errors.empty());
    EXPECT_EQ(result.errors.find('\n'), result.errors.size() - 1) << result.errors;  // one line
    EXPECT_NE(result.errors.find("CALCORIX_SEED"), std::string::npos);
  }
  // Blanks around the number are accepted: the same draws as without them.
  const ProcessResult blanks = run(" 42\t", "RAN(1E9)");
  const ProcessResult plain = run("42", "RAN(1E9)");
  EXPECT_EQ(blanks.errors, "");
  EXPECT_EQ(blanks.output, plain.output);
}

// Not on Windows, whose Ctrl-Break a test would send with GenerateConsoleCtrlEvent: Wine delivers
// no console event to another process.
#ifndef _WIN32
// SIGTERM while the loop writes: whatever reached the pipe ends with a whole line, and the program
// ends by that signal.
TEST(Shell, SigtermLosesNoCompletedLine) {
  Installed installed(std::nullopt);
  ProcessOptions options;
  options.arguments = {"-l1:1:10000000", "LI"};
  options.signalAfterBytes = 200000;
  options.signal = SIGTERM;
  const ProcessResult result = installed.Run(options);
  EXPECT_EQ(result.signal, SIGTERM);
  ASSERT_GE(result.output.size(), 200000u);
  ASSERT_EQ(result.output.substr(result.output.size() - 2), "\r\n");
  // The lines are the loop values 1, 2, 3, ... without a gap.
  std::size_t expected = 1, start = 0;
  while (start < result.output.size()) {
    const std::size_t end = result.output.find("\r\n", start);
    ASSERT_EQ(result.output.substr(start, end - start), std::to_string(expected));
    ++expected;
    start = end + 2;
  }
}
#endif

#ifndef _WIN32  // a pseudo-terminal
// Notes on standard error, only at a terminal: stdout and the status are those without them.
TEST(Shell, HintsGoToATerminalOnly) {
  std::string longExpression;
  while (longExpression.size() < 300)
    longExpression += "1+";
  longExpression += "1";
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    std::optional<std::string> config;
    std::string hint;  // a part of what is expected on standard error; "" for none
    std::size_t lines = 1;
  } rows[] = {
      {"where a typo is", {"2+*3"}, "", {}, "  2+*3\r\n    ^ tu brakuje liczby\r\n", 2},
      {"a loop tells it once", {"-l1:1:3", "2(LI)"}, "", {}, "   ^ tu brakuje znaku działania", 2},
      {"the unmatched parenthesis", {"-is"}, "sin((1)\n", {}, "     ^ ten nawias nie jest", 2},
      {"a line of standard input was cut", {"-is"}, longExpression + "\n", {}, "255 pierwszych"},
      {"a negative number", {"-1+2"}, "", {}, "napisz np. (0-1)+2."},
      {"an expression with a function", {"-sin(30)"}, "", {}, "0-sin(30)"},
      {"an unknown switch", {"-v", "1"}, "", {}, "Nieznana opcja \"-v\""},
      {"an unknown long switch", {"--foo", "1"}, "", {}, "Nieznana opcja \"--foo\""},
      {"-f without digits, then a number", {"-f", "2", "2/3"}, "", {}, "napisz -f2."},
      {"an unusable switch value", {"-tx", "1"}, "", {}, "Nieprawidłowa wartość opcji \"-tx\""},
      {"an unusable graph value", {"-pz", "-l0:1:2", "LI"}, "", {}, "opcji \"-pz\""},
      {"the expression was cut", {longExpression}, "", {}, "255 pierwszych"},
      {"no parameters and a pipe", {}, "2+2\n", {}, "użyj: calcorix -is"},
      {"an unusable value in the file",
       {"1"},
       "",
       "; angle\n-tD ; degrees\n",
       "calcorix.cfg, wiersz 2: nieprawidłowa wartość \"D ; degrees\" klucza -t"},
      {"nothing to note", {"-td", "1"}, "", {}, ""},
      {"no parameters, standard input chosen by the file", {}, "2+2\n", "-iS\n", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Installed installed(row.config);
    ProcessOptions options;
    options.arguments = row.arguments;
    options.input = row.input;
    options.environment = {"LANG=C.UTF-8", "PATH=/usr/bin:/bin"};
    options.errorTarget = ErrorTarget::Terminal;
    const ProcessResult atTerminal = installed.Run(options);
    options.errorTarget = ErrorTarget::Pipe;
    const ProcessResult inPipe = installed.Run(options);
    EXPECT_EQ(atTerminal.output, inPipe.output);
    EXPECT_EQ(atTerminal.exitStatus, inPipe.exitStatus);
    EXPECT_EQ(inPipe.errors, "");
    if (row.hint.empty()) {
      EXPECT_EQ(atTerminal.errors, "");
    } else {
      EXPECT_NE(atTerminal.errors.find(row.hint), std::string::npos) << atTerminal.errors;
      EXPECT_EQ(std::count(atTerminal.errors.begin(), atTerminal.errors.end(), '\n'), row.lines)
          << atTerminal.errors;
    }
  }
}
#endif

}  // namespace
}  // namespace calcorix::test
