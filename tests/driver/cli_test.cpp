// End-to-end: the real binary, copied into a folder of its own so that a calcorix.cfg can lie
// beside it, run with arguments and standard input; its output bytes and exit status compared.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "calcorix/graph.hpp"
#include "cli_support.hpp"
#include "graph/series_support.hpp"

namespace calcorix::test {
namespace {

TEST(Cli, SingleCalculation) {
  RunCases({
      {"the worked example", {"-td", "2*sin(30)+3^2"}, "", {}, Lines({"10"})},
      {"words are joined", {"2", "+", "3"}, "", {}, Lines({"5"})},
      {"a leading minus is a switch", {"-5+3"}, "", {}, Lines({"0"})},
      {"an empty parameter adds nothing", {"", "7"}, "", {}, Lines({"7"})},
      {"blanks inside a word", {" 2 + 3 "}, "", {}, Lines({"5"})},
      {"unbalanced", {"(1+2"}, "", {}, Lines({"Brakuje 1 nawiasów \")\"."})},
      {"formula error", {"2**3"}, "", {}, Lines({"Błąd w formule"})},
      {"division by zero", {"1/0"}, "", {}, Lines({"Błąd: dzielenie przez zero."})},
      {"invalid operation", {"0/0"}, "", {}, Lines({"Błąd w formule."})},
      {"formula error then division by zero",
       {"(2*)/0"},
       "",
       {},
       Lines({"Błąd w formule", "Błąd: dzielenie przez zero."})},
      {"group divisor of zero goes on",
       {"1/(2-2)"},
       "",
       {},
       Lines({"Błąd: dzielenie przez zero."})},
      {"ANS and MEM start at 0", {"ANS+MEM"}, "", {}, Lines({"0"})},
  });
}

TEST(Cli, ResultFormats) {
  struct FormatRow {
    const char* expression;
    const char* places;  // nullptr: no -f switch
    const char* texts[6];
  };
  const char* const thirtyOnes = "111111111111111111111111111111";
  const char* const thirtyZeros = "000000000000000000000000000000";
  const FormatRow rows[] = {
      {"1234.5",
       nullptr,
       {"1234.5", "1.2345E+03", "1.2345E+03", "000004D2", "0000002322",
        "000000000000000000010011010010"}},
      {"2/3",
       nullptr,
       {"0.666666666666667", "0.66666666666666E+00", "6.66666666666667E-01", "00000001",
        "0000000001", "000000000000000000000000000001"}},
      {"0-1", nullptr, {"-1", "-1E+00", "-1E+00", "FFFFFFFF", "7777777777", thirtyOnes}},
      {"0", nullptr, {"0", "0E+00", "0E+00", "00000000", "0000000000", thirtyZeros}},
      {"1234.5",
       "-f2",
       {"1234.50", "1.23E+03", "1.2E+03", "000004D2", "0000002322",
        "000000000000000000010011010010"}},
  };
  const char* const letters[6] = {"-od", "-os", "-oe", "-oh", "-oo", "-ob"};
  std::vector<CliCase> cases;
  for (const FormatRow& row : rows) {
    for (int f = 0; f < 6; ++f) {
      CliCase c{row.expression, {letters[f]}, "", {}, Lines({row.texts[f]})};
      if (row.places != nullptr) c.arguments.push_back(row.places);
      c.arguments.push_back(row.expression);
      cases.push_back(c);
    }
  }
  RunCases(cases);
}

TEST(Cli, IntegerFormatsRoundHalfToEvenAndShowTheLowDigits) {
  RunCases({
      {"2.5", {"-oh", "2.5"}, "", {}, Lines({"00000002"})},
      {"3.5", {"-oh", "3.5"}, "", {}, Lines({"00000004"})},
      {"-2.5", {"-oh", "0-2.5"}, "", {}, Lines({"FFFFFFFE"})},
      {"2^32", {"-oh", "2^32"}, "", {}, Lines({"00000000"})},
      {"2^30 binary", {"-ob", "2^30"}, "", {}, Lines({"000000000000000000000000000000"})},
      {"2^30 octal", {"-oo", "2^30"}, "", {}, Lines({"0000000000"})},
      {"beyond 64 bits", {"-oh", "1E19"}, "", {}, Lines({"Błąd w formule."})},
      {"-f15", {"-f15", "2/3"}, "", {}, Lines({"0.666666666666667"})},
      {"-f17", {"-f17", "2/3"}, "", {}, Lines({"0.66666666666666700"})},
  });
}

const char* const kHelpScreen[] = {
    "CALCORIX 1.0 - podręczny kalkulator obliczający wyrażenia z linii poleceń.",
    "Copyright (c) CALCORIX authors. Licencja MIT.",
    "Składnia: CALCORIX [opcje] wyrażenie",
    "  Opcje:",
    "  -i[c/s]        czyta z: c - linii poleceń (domyślnie), s - standardowe",
    "                 wejście (q lub Ctrl+Z - wyjście, ; - komentarz)",
    "  -t[d/r/g]      używa: d - stopni, r - radianów (domyślnie), g - gradusów",
    "                 w funkcjach trygonometrycznych",
    "  -o[d/s/e/      wynik w formacie: d - dziesiętny (domyślnie), s - naukowy",
    "     h/o/b]      e - wykładniczy, h - szesnastkowy (zaokrąglony),",
    "                 o - ósemkowy (zaokrąglony), b - binarny (zaokrąglony)",
    "  -f[n]          wynik zaokrąglony do n miejsc po przecinku, format stały",
    "  -l[a:b:c]      działanie w pętli (od a z krokiem b do c)",
    "  -p[a/s]        rysuje wykres wyników pętli -l: znakami wyjścia (domyślnie),",
    "                 a - znakami ASCII, s - w formacie SVG",
    "  -? lub -h      wyświetla pomoc",
    "",
    "Dostępne operatory: +, -, *, /, ^, !",
    "Dostępne funkcje: atan(), asinh(), acosh(), atanh(), adbv(), adbw(), acos(),",
    "                  asin(), abs(), cos(), cosh(), cot(), cost(), csc(), cub(),",
    "                  dbv(), dbw(), exp(), exp10, frac(), grad(), int(), pi,",
    "                  int(), log(), log2(), ln(), pow2(), ran(), rad(), rnd(),",
    "                  sin(), sqrt(), sgn(), sec(), si(), sinh(), tan(), tanh(),",
};

std::string HelpScreen() {
  std::string bytes;
  for (const char* line : kHelpScreen)
    bytes += Lines({line});
  return bytes;
}

const std::string kBanner = Lines({
    "CALCORIX 1.0 - podręczny kalkulator obliczający wyrażenia z linii poleceń.",
    "Copyright (c) CALCORIX authors. Licencja MIT.",
    "Wpisz: CALCORIX -? lub -h aby uzyskać pomoc.",
    "",
});

TEST(Cli, HelpAndBanner) {
  RunCases({
      {"-?", {"-?"}, "", {}, HelpScreen()},
      {"-h with words", {"2+2", "-h"}, "", {}, HelpScreen()},
      {"-H with other switches", {"-td", "-H", "-p"}, "", {}, HelpScreen()},
      {"help loses to a malformed loop", {"-h", "-l5"}, "", {}, Lines({"Błąd składni pętli."})},
      {"no parameters", {}, "", {}, kBanner + Lines({"0"})},
      {"no parameters, standard input from the file",
       {},
       "1+1\n",
       "-iS\r\n",
       kBanner + Lines({"W pliku calcorix.cfg ustawiono odczyt ze standardowego wejścia.",
                        "Wpisz wyrażenie, max. 255 znaków, q lub Ctrl+Z - wyjście.", "2"})},
      {"standard input by switch: no banner", {"-is"}, "1+1\n", {}, Lines({"2"})},
  });
}

// -p draws what the library draws for the same loop, in the characters of the output, at the
// size COLUMNS and LINES give.
TEST(Cli, Graph) {
  const GraphSeries sine = LoopSeries("sin(LI)", {0, 0.1L, 6.3L});
  const GraphOptions options{"sin(LI)", '.'};
  const auto text = [&](GraphForm form, bool cp852 = true) {
    return PlotBytes(DrawTextGraph(sine, form, {50, 12}, options), cp852);
  };
  const std::string needsLoop =
      Lines({"Opcja -p rysuje wykres pętli i potrzebuje -l oraz wyrażenia z linii poleceń, np.: "
             "calcorix -p -l0:0.1:6.3 \"sin(LI)\""});
  const struct {
    std::vector<std::string> arguments;
    std::string expected, errors = {};  // standard output and standard error, byte for byte
    int exitStatus = 0;
  } rows[] = {
      // In a pipe, half blocks in code page 852; an unusable value draws as -p does.
      {{"-pxyz", "-l0:0.1:6.3", "sin(LI)"}, text(GraphForm::HalfBlocks)},
      {{"-eu", "-p", "-l0:0.1:6.3", "sin(LI)"}, text(GraphForm::Braille, false)},
      {{"-pA", "-l0:0.1:6.3", "sin(LI)"}, text(GraphForm::Ascii)},
      {{"-ed", "-ps", "-l0:0.1:6.3", "sin(LI)"}, DrawSvgGraph(sine, {800, 500}, options)},
      {{"-x", "-pa", "-l0:0.1:6.3", "sin(LI)/(LI-1)"},
       PlotBytes(DrawTextGraph(LoopSeries("sin(LI)/(LI-1)", {0, 0.1L, 6.3L}), GraphForm::Ascii,
                               {50, 12}, {"sin(LI)/(LI-1)", '.'}),
                 true),
       "",
       2},
      {{"-p", "1+1"}, "", needsLoop, 2},
      {{"-p", "-is", "-l0:1:2"}, "", needsLoop, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.arguments));
    Installed installed(std::nullopt);
    ProcessOptions run;
    run.arguments = row.arguments;
    run.environment.insert(run.environment.end(), {"COLUMNS=50", "LINES=12"});
    run.errorTarget = ErrorTarget::Pipe;
    const ProcessResult result = installed.Run(run);
    EXPECT_EQ(result.output, row.expected);
    EXPECT_EQ(result.exitStatus, row.exitStatus);
    EXPECT_EQ(result.errors, row.errors);
  }
#ifndef _WIN32  // xmllint is a Linux program
  // The document is well-formed XML.
  if (::access("/usr/bin/xmllint", X_OK) != 0) GTEST_SKIP() << "xmllint is not installed";
  ProcessOptions lint;
  lint.arguments = {"--noout", "-"};
  lint.input = DrawSvgGraph(sine, {800, 500}, options);
  EXPECT_EQ(RunProcess("/usr/bin/xmllint", lint).exitStatus, 0);
#endif
}

TEST(Cli, ConfigurationFile) {
  RunCases({
      {"four keys", {"1/4"}, "", "-iC\n-tD\n-oE\n-f4\n", Lines({"2.500E-01"})},
      {"degrees from the file", {"sin(30)"}, "", "; comment\n/tD\n", Lines({"0.5"})},
      {"a present switch wins even when unusable",
       {"-tx", "sin(30)"},
       "",
       "-tD\n",
       Lines({"-0.988031624092862"})},
  });
}

TEST(Cli, LoopMode) {
  RunCases({
      {"once", {"-l5:1:1", "LI"}, "", {}, Lines({"5"})},
      {"descending", {"-l3:-1:1", "LI"}, "", {}, Lines({"3", "2", "1"})},
      {"ten passes of 0.1",
       {"-l0:0.1:1", "LI"},
       "",
       {},
       Lines({"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"})},
      {"division by zero in one pass",
       {"-l1:1:5", "1/(LI-3)"},
       "",
       {},
       Lines({"-0.5", "-1", "Błąd: dzielenie przez zero.", "1", "0.5"})},
      {"start beyond the end runs once", {"-l5:1:1", "LI*2"}, "", {}, Lines({"10"})},
      {"with standard input nothing is computed, and said",
       {"-l1:1:3", "-is"},
       "1\n",
       {},
       "",
       2,
       Lines(
           {"Odczytu ze standardowego wejścia nie można łączyć z pętlą (-l); nic nie obliczono."})},
      {"empty loop value", {"-l", "1"}, "", {}, Lines({"Musisz podać parametry pętli."})},
      {"loop value without colon", {"-l5", "1"}, "", {}, Lines({"Błąd składni pętli."})},
      {"loop value not a number", {"-l1:x:3", "1"}, "", {}, Lines({"Błędne parametry pętli."}), 1},
      {"two values only", {"-l1:2", "1"}, "", {}, Lines({"Błędne parametry pętli."}), 1},
      {"ANS and MEM across passes", {"-l1:1:3", "LI+ANS+MEM"}, "", {}, Lines({"1", "4", "12"})},
  });
}

TEST(Cli, StandardInput) {
  const std::string longLine = "1" + std::string(254, '0') + std::string(45, '9');
  RunCases({
      {"lines and line ends", {"-is"}, "1+1\n2*3\r\n7\r8", {}, Lines({"2", "6", "7", "8"})},
      {"quit", {"-is"}, "1\nQuit\n2\n", {}, Lines({"1"})},
      {"a blank before q is computed", {"-is"}, " q\n", {}, Lines({"Błąd w formule"})},
      {"comments echoed byte for byte",
       {"-is"},
       "#note \x88\n%x\n;q\n",
       {},
       "#note \x88\r\n%x\r\n;q\r\n"},
      {"an empty line is 0", {"-is"}, "1\n\n2\n", {}, Lines({"1", "0", "2"})},
      {"empty input computes one empty line", {"-is"}, "", {}, Lines({"0"})},
      {"a final line end adds no line", {"-is"}, "5\n", {}, Lines({"5"})},
      {"Ctrl+Z inside a line ends the input",
       {"-is"},
       "1+2\x1A"
       "3\n4\n",
       {},
       Lines({"3"})},
      {"Ctrl+Z at the start of a line computes nothing more",
       {"-is"},
       "1\n\x1A"
       "2\n",
       {},
       Lines({"1"})},
      {"300 characters: the first 255 count", {"-is"}, longLine + "\n", {}, Lines({"1E254"})},
      {"division by a zero group goes on",
       {"-is"},
       "1/(2-2)\n3\n",
       {},
       Lines({"Błąd: dzielenie przez zero.", "3"})},
      {"ANS follows the printed results",
       {"-is"},
       "6*7\nANS+1\n1/0\nANS\nMEM\n",
       {},
       Lines({"42", "43", "Błąd: dzielenie przez zero.", "43", "128"})},
  });
}

TEST(Cli, StandardInputThatCannotBeReadIsAFailure) {
  const struct {
    const char* name;
    InputSource source;
    std::string input;
    std::string expected;
    int exitStatus;
  } cases[] = {
      {"a directory", InputSource::Directory, "", "", 1},
      {"closed", InputSource::Closed, "", "", 1},
      {"the end of the data", InputSource::Pipe, "2+2\n", Lines({"4"}), 0},
      {"no data at all", InputSource::Pipe, "", Lines({"0"}), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Installed installed(std::nullopt);
    ProcessOptions options;
    options.arguments = {"-is"};
    options.input = c.input;
    options.source = c.source;
    const ProcessResult result = installed.Run(options);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.output, c.expected);
    EXPECT_EQ(result.exitStatus, c.exitStatus);
  }
}

#ifndef _WIN32  // strace is a Linux program
// The configuration file is opened once per run, however many settings are looked up in it.
TEST(Cli, TheConfigurationFileIsOpenedOnce) {
  if (::access("/usr/bin/strace", X_OK) != 0) GTEST_SKIP() << "strace is not installed";
  Installed installed(std::string("-iS\n-tD\n-oE\n-f4\n"));
  const std::string trace = installed.ConfigPath().string() + ".trace";
  ProcessOptions options;
  // A leak check cannot run under strace; under the sanitizers it is left out for this run.
  options.environment.push_back("ASAN_OPTIONS=detect_leaks=0");
  options.arguments = {
      "-o",  trace, "-f", "-e", "trace=open,openat,stat,newfstatat,statx", installed.Binary(),
      "-td", "1+1"};
  const ProcessResult result = RunProcess("/usr/bin/strace", options);
  ASSERT_EQ(result.exitStatus, 0);
  std::ifstream log(trace);
  int opens = 0, looks = 0;
  for (std::string line; std::getline(log, line);) {
    if (line.find("calcorix.cfg\"") == std::string::npos) continue;
    if (line.find("open") != std::string::npos) ++opens;
    ++looks;
  }
  EXPECT_EQ(opens, 1);
  EXPECT_LE(looks, 2);  // the look at what the name is, then the open
}
#endif

// Rulings D18 to D20 and the reading of "*(", as a user sees them. References: mpmath at 50
// digits; 1E300 (ten multiplied in 300 times) is 208 modulo 360, and sin 208 degrees is
// -0.46947156278589077596.
TEST(Cli, MendedResults) {
  const std::string divByZero = "Błąd: dzielenie przez zero.";
  const std::string formula = "Błąd w formule";
  const std::string general = "Błąd w formule.";
  RunCases({
      {"D18 degrees",
       {"-td", "-is"},
       "SIN(180)\nCOS(90)\nCOS(270)\nSIN(0-360)\nCOS(180)\nSIN(30)\nSIN(150)\nTAN(45)\n"
       "TAN(90)\nSEC(270)\nCOT(180)\nCSC(360)\nSIN(1E300)\nSIN(0-0)\n",
       {},
       Lines({"0", "0", "0", "0", "-1", "0.5", "0.5", "1", divByZero, divByZero, divByZero,
              divByZero, "-0.469471562785891", "0"})},
      {"D18 grads",
       {"-tg", "-is"},
       "SIN(1E10)\nCOS(100)\nSIN(200)\nTAN(100)\nSIN(250)\n",
       {},
       Lines({"0", "0", "0", divByZero, "-0.707106781186548"})},
      {"D18 radians unchanged", {"TAN(PI/2)"}, "", {}, Lines({"1614801403666994.4"})},
      {"D19",
       {"-is"},
       "TANH(12000)\nCOTH(0-12000)\nTANH(0-1E4000)\nCOTH(1E-20)\nCOTH(1E-19)\nCOTH(1E-10)\n"
       "COTH(0)\n",
       {},
       Lines({"1", "-1", "-1", "1E20", "1E19", "10000000000", divByZero})},
      {"D20",
       {"-is"},
       "2^-16400\n3^-10000\n10^(0-5000)\n(0-2)^(0-16401)\n0.5^(0-20000)\n2^-10\n",
       {},
       Lines({"0", "0", "0", "-0", general, "0.0009765625"})},
      {"a group after * without its )",
       {"-is"},
       "SI(2*(Q))\nLN(3*(Q))\nSI(5-5*(Q))\nSI(2/(Q))\n",
       {},
       Lines({formula, general, formula, divByZero, formula, formula})},
  });
}

TEST(Cli, HostileInput) {
  std::string megabyteLine(3 << 20, '1');
  RunCases({
      {"NUL and high bytes",
       {"-is"},
       std::string("1\0+2\n\xFF\xFE\n\x01\x02\n3", 12),
       {},
       Lines({"Błąd w formule", "Błąd w formule", "Błąd w formule", "3"})},
      {"a line of megabytes",
       {"-is"},
       megabyteLine + "\n2\n",
       {},
       Lines({"1.111111111111111E254", "2"})},
      {"no final line end", {"-is"}, "4*4", {}, Lines({"16"})},
  });
}

// Not on Windows: pseudo-terminals, fork and poll are POSIX. There a console is no terminal of
// bytes, and the flush before each read is the shared LineReader's.
#ifndef _WIN32
TEST(Cli, AUtf8TerminalGetsUtf8AndEverythingElseCodePage852) {
  Installed installed(std::nullopt);
  struct Row {
    OutputTarget target;
    const char* locale;
    std::string expected;
  };
  const Row rows[] = {
      {OutputTarget::Terminal, "LANG=C.UTF-8",
       "B\xC5\x82\xC4\x85"
       "d w formule.\r\n"},
      {OutputTarget::Terminal, "LANG=C", Lines({"Błąd w formule."})},
      {OutputTarget::Pipe, "LANG=C.UTF-8", Lines({"Błąd w formule."})},
  };
  for (const Row& row : rows) {
    ProcessOptions options;
    options.target = row.target;
    options.environment = {row.locale, "PATH=/usr/bin:/bin"};
    options.arguments = {"0/0"};
    const ProcessResult result = installed.Run(options);
    EXPECT_EQ(result.output, row.expected) << row.locale;
    EXPECT_EQ(result.exitStatus, 0);
  }
}

// A program that feeds one line and waits for its answer before the next gets each answer at
// once.
TEST(Cli, EachAnswerArrivesBeforeTheNextLineIsAwaited) {
  Installed installed(std::nullopt);
  int in[2], out[2];
  ASSERT_EQ(pipe(in), 0);
  ASSERT_EQ(pipe(out), 0);
  const std::string binary = installed.Binary();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    close(in[1]);
    close(out[0]);
    execl(binary.c_str(), binary.c_str(), "-is", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  const auto answer = [&](const std::string& line) {
    EXPECT_EQ(write(in[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    std::string got;
    while (got.find('\n') == std::string::npos) {
      pollfd ready{out[0], POLLIN, 0};
      if (poll(&ready, 1, 5000) <= 0) break;  // no answer within 5 s: the line was held back
      char buffer[256];
      const ssize_t n = read(out[0], buffer, sizeof buffer);
      if (n <= 0) break;
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  };
  EXPECT_EQ(answer("6*7\n"), "42\r\n");
  EXPECT_EQ(answer("ANS+1\r"), "43\r\n");  // a CR alone ends the line; its LF is not awaited
  EXPECT_EQ(answer("\n2\n"), "2\r\n");
  close(in[1]);
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

TEST(Cli, OutputFailuresEndQuietlyWithStatusOne) {
  Installed installed(std::nullopt);
#ifdef _WIN32
  const OutputTarget targets[] = {OutputTarget::ClosedPipe};  // Windows has no full device
#else
  const OutputTarget targets[] = {OutputTarget::ClosedPipe, OutputTarget::DevFull};
#endif
  for (OutputTarget target : targets) {
    ProcessOptions options;
    options.target = target;
    options.arguments = {"-l1:0:5", "LI"};  // a step of 0 repeats without end
    const ProcessResult result = installed.Run(options);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitStatus, 1);
  }
}

}  // namespace
}  // namespace calcorix::test
