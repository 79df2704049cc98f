#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/program_end.hpp"
#include "settings/settings.hpp"
#include "settings_fixture.hpp"

namespace calcorix::test {
namespace {

using Words = std::vector<std::string>;
using LoadSettingsTest = SettingsTest;

// The fields that the switches and the file choose; the rest is checked where it matters.
struct Chosen {
  InputSource inputSource = InputSource::CommandLine;
  AngleUnit angleUnit = AngleUnit::Radians;
  OutputFormat outputFormat = OutputFormat::Decimal;
  int decimalPlaces = 16;
  GraphRequest graph = GraphRequest::None;
};

struct ChoiceCase {
  Words parameters;
  std::optional<std::string> config;  // no file when absent
  Chosen expected;
};

TEST_F(LoadSettingsTest, EachChoiceComesFromItsSwitchElseFromTheFileElseTheDefault) {
  using enum InputSource;
  using enum AngleUnit;
  using enum OutputFormat;
  const std::string fourLines = "-iS\n-tD\n-oE\n-f4\n";
  const ChoiceCase cases[] = {
      {{}, std::nullopt, {}},
      {{}, "", {}},
      {{}, "; only a comment\n", {}},
      {{"-td"}, std::nullopt, {.angleUnit = Degrees}},
      {{"-TD", "2", "+", "3"}, std::nullopt, {.angleUnit = Degrees}},
      {{"-tx"}, "-tD", {}},
      {{"-t"}, "-tG", {}},
      {{"-i"}, "-iS", {}},
      {{"-od", "-os"}, std::nullopt, {}},
      {{"-odeg"}, std::nullopt, {}},
      {{"-is", "-oB", "-tg"}, std::nullopt, {StandardInput, Grads, Binary}},
      {{"-oh"}, std::nullopt, {.outputFormat = Hexadecimal}},
      {{}, "-oh", {.outputFormat = Hexadecimal}},
      {{}, "-oHex", {}},
      {{}, fourLines, {StandardInput, Degrees, Exponential, 4}},
      {{"-ic", "-tr", "-ob", "-f2"}, fourLines, {CommandLine, Radians, Binary, 2}},
      {{}, "/tG", {.angleUnit = Grads}},
      {{}, "-TG", {.angleUnit = Grads}},
      {{}, "- tD", {}},
      {{}, "-tD ; degrees", {}},
      {{}, "-tD ", {}},
      {{}, "-tD\n-tG", {.angleUnit = Degrees}},
      {{}, "-t'D'", {.angleUnit = Degrees}},
      {{}, "-t[D\nx]", {}},
      {{"-t'D'"}, std::nullopt, {.angleUnit = Degrees}},
      {{"-f"}, std::nullopt, {.decimalPlaces = 0}},
      {{"-f5"}, std::nullopt, {.decimalPlaces = 5}},
      {{"-f300"}, std::nullopt, {.decimalPlaces = 44}},
      {{"-f-1"}, std::nullopt, {.decimalPlaces = 255}},
      {{"-fx"}, std::nullopt, {.decimalPlaces = 0}},
      {{"-fx"}, "-f4", {.decimalPlaces = 0}},
      {{}, "-f", {.decimalPlaces = 0}},
      {{}, "-f16", {.decimalPlaces = 16}},
      {{}, "-f-2", {.decimalPlaces = 254}},
      {{"-p"}, std::nullopt, {.graph = GraphRequest::Text}},
      {{"-pxyz"}, std::nullopt, {.graph = GraphRequest::Text}},
      {{"-pA"}, std::nullopt, {.graph = GraphRequest::Ascii}},
      {{"-ps"}, std::nullopt, {.graph = GraphRequest::Svg}},
      {{}, "-p\n-l1:2:3", {}},
      {{"/p", "/td"}, std::nullopt, {}},
  };
  for (const ChoiceCase& c : cases) {
    StartWith(c.parameters, c.config);
    const Settings settings = Load();
    const std::string label = testing::PrintToString(c.parameters) + " / " +
                              testing::PrintToString(c.config.value_or("(no file)"));
    EXPECT_EQ(settings.inputSource, c.expected.inputSource) << label;
    EXPECT_EQ(settings.options.angleUnit, c.expected.angleUnit) << label;
    EXPECT_EQ(settings.options.outputFormat, c.expected.outputFormat) << label;
    EXPECT_EQ(settings.options.decimalPlaces, c.expected.decimalPlaces) << label;
    EXPECT_EQ(settings.graph, c.expected.graph) << label;
    EXPECT_FALSE(settings.loopEnabled) << label;
  }
}

TEST_F(LoadSettingsTest, TheFileLiesBesideTheExecutableAndItsPathIsNotCut) {
  const std::string longDirectory = "/" + std::string(300, 'd') + "/";
  const struct {
    std::string executable;
    std::string expected;
  } cases[] = {
      {"/opt/calc/bin/calcorix", "/opt/calc/bin/calcorix.cfg"},
      {"/calcorix", "/calcorix.cfg"},
      {"calcorix", ""},  // not located: no file, and never one in the current directory
      {"", ""},
      {longDirectory + "calcorix", longDirectory + "calcorix.cfg"},
  };
  for (const auto& c : cases) {
    SetExecutablePath(c.executable);
    EXPECT_EQ(Load().configFilePath, c.expected);
  }
}

TEST_F(LoadSettingsTest, CountsTheExpressionWordsModulo256) {
  Words parameters{"-td"};
  for (int i = 0; i < 300; ++i)
    parameters.push_back("1");
  parameters_ = parameters;
  const Settings settings = Load();
  EXPECT_EQ(settings.expressionWordCount, 44);
}

TEST_F(LoadSettingsTest, LoopParameters) {
  const struct {
    Words parameters;
    char separator;
    long double start, step, end;
  } cases[] = {
      {{"-l1:0.5:3"}, '.', 1, 0.5L, 3},
      {{"-l3:-1:1"}, '.', 3, -1, 1},
      {{"-L5:1:1"}, '.', 5, 1, 1},
      {{"-l0:0.1:1"}, '.', 0, 0.1L, 1},
      {{"-l 1 : +2e1 :\t3 "}, '.', 1, 20, 3},
      {{"-l'1:", "2:", "3'"}, '.', 1, 2, 3},
      {{"-l1,5:0,5:3"}, ',', 1.5L, 0.5L, 3},
      {{"-l1.5:.5:3"}, ',', 1.5L, 0.5L, 3},
  };
  for (const auto& c : cases) {
    parameters_ = c.parameters;
    const Settings settings = Load(c.separator);
    EXPECT_TRUE(settings.loopEnabled) << c.parameters.front();
    EXPECT_EQ(settings.loopStart, c.start) << c.parameters.front();
    EXPECT_EQ(settings.loopStep, c.step) << c.parameters.front();
    EXPECT_EQ(settings.loopEnd, c.end) << c.parameters.front();
    EXPECT_EQ(settings.loopValue, c.start) << c.parameters.front();
  }
}

TEST_F(LoadSettingsTest, UnusableLoopParametersAreTold) {
  const LoopProblem none = LoopProblem::None, empty = LoopProblem::NoParameters,
                    syntax = LoopProblem::NoColon, wrong = LoopProblem::NotNumbers;
  const struct {
    Words parameters;
    LoopProblem problem;
  } cases[] = {
      {{"-l"}, empty},
      {{"-l''"}, empty},
      {{"-l", "-h"}, empty},
      {{"-l5"}, syntax},
      {{"-h", "-l5", "-p"}, syntax},
      {{"-l1:x:3"}, wrong},
      {{"-l1:2"}, wrong},
      {{"-l1:2:3:4"}, wrong},
      {{"-l:1:2"}, wrong},
      {{"-l1:2:"}, wrong},
      {{"-l1e5000:1:2"}, wrong},
      {{"-l1:1:-1e5000"}, wrong},
      {{"-l1:inf:2"}, wrong},
      {{"-l1,5:1:2"}, wrong},
      {{"-l1:1:2"}, none},
  };
  for (const auto& c : cases) {
    parameters_ = c.parameters;
    std::string output;
    CaptureConsole(&output);
    const Settings settings = Load();
    CaptureConsole(nullptr);
    EXPECT_EQ(settings.loopProblem, c.problem) << c.parameters.front();
    EXPECT_EQ(output, "") << c.parameters.front();
  }
  EXPECT_EQ(LoopProblemLine(empty), "Musisz podać parametry pętli.");
  EXPECT_EQ(LoopProblemLine(syntax), "Błąd składni pętli.");
  EXPECT_EQ(LoopProblemLine(wrong), "Błędne parametry pętli.");
  EXPECT_EQ(LoopProblemStatus(empty), 0);
  EXPECT_EQ(LoopProblemStatus(syntax), 0);
  EXPECT_EQ(LoopProblemStatus(wrong), 1);
}

TEST_F(LoadSettingsTest, TextModeAndErrorStatusComeFromTheSwitchElseTheFile) {
  const struct {
    Words parameters;
    std::optional<std::string> config;
    TextMode mode;
    bool errorStatus;
  } cases[] = {
      {{}, std::nullopt, TextMode::Automatic, false},
      {{"-eu"}, std::nullopt, TextMode::Utf8, false},
      {{"-ED"}, "-eu\n", TextMode::Cp852CrLf, false},
      {{"-ex"}, "-eu\n", TextMode::Automatic, false},  // unusable: the default, not the file
      {{}, "-eU\n-x\n", TextMode::Utf8, true},
      {{"-x"}, std::nullopt, TextMode::Automatic, true},
      {{"-x1"}, "-x\n", TextMode::Automatic, false},  // -x takes no value
      {{}, "-x \n", TextMode::Automatic, false},
  };
  for (const auto& c : cases) {
    StartWith(c.parameters, c.config);
    const Settings settings = Load();
    EXPECT_EQ(settings.textMode, c.mode) << testing::PrintToString(c.parameters);
    EXPECT_EQ(settings.errorStatus, c.errorStatus) << testing::PrintToString(c.parameters);
  }
}

TEST_F(LoadSettingsTest, NotesAreSingleLinesOfPlainText) {
  const std::string unknown = " została pominięta (pomoc: calcorix -h).";
  const struct {
    Words parameters;
    std::optional<std::string> config;
    Words hints;
  } cases[] = {
      {{"-v"}, std::nullopt, {"Nieznana opcja \"-v\"" + unknown}},
      // Found by the switches fuzzer: line ends in a word made a note of several lines.
      {{";", "-\x01;-td\n\n-\r"},
       std::nullopt,
       {"Nieznana opcja \"-\\x01;-td\\x0A\\x0A-\\x0D\"" + unknown}},
      {{"-1\n+2"},
       std::nullopt,
       {"\"-1\\x0A+2\" zaczyna się od \"-\", więc jest opcją, a nie wyrażeniem; napisz np. "
        "(0-1)\\x0A+2."}},
      {{"-t\x1B[2J\x7F"},
       std::nullopt,
       {"Nieprawidłowa wartość opcji \"-t\\x1B[2J\\x7F\"; obowiązuje ustawienie domyślne."}},
      {{},
       "-tx\x1B[2J\n",
       {ConfigPath() + ", wiersz 1: nieprawidłowa wartość \"x\\x1B[2J\" klucza "
                       "-t została pominięta."}},
  };
  for (const auto& c : cases) {
    StartWith(c.parameters, c.config);
    EXPECT_EQ(Load().hints, c.hints) << testing::PrintToString(c.parameters);
  }
}

}  // namespace
}  // namespace calcorix::test
