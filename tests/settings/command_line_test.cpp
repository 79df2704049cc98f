#include "settings/command_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/text_values.hpp"

namespace calcorix::test {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLineTest, FindsTheFirstSwitchWithTheLetterWhateverItsCase) {
  const struct {
    Words parameters;
    char letter;
    std::size_t expected;
  } cases[] = {
      {{"-TD", "2", "+", "3"}, 't', 1},
      {{"2", "-td"}, 'T', 2},
      {{"-od", "-os"}, 'o', 1},
      {{"-H"}, 'h', 1},
      {{"-?"}, '?', 1},
      {{"/?", "/h"}, '?', 0},
      {{"/?", "/h"}, 'h', 0},
      {{"-"}, 't', 0},
      {{"-5+3"}, '5', 1},
      {{"x-t", "t"}, 't', 0},
      {{}, 'f', 0},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.parameters);
    EXPECT_EQ(line.FindSwitch(c.letter), c.expected) << c.parameters.size() << " " << c.letter;
    EXPECT_EQ(line.SwitchPresent(c.letter), c.expected != 0);
  }
}

TEST(CommandLineTest, WholeNumberValues) {
  const struct {
    Words parameters;
    std::int32_t expected;
  } cases[] = {
      {{"-f12"}, 12},  {{"-f"}, 0},         {{"-f12a"}, 0}, {{"-f$10"}, 16}, {{"-f-3"}, -3},
      {{"-f 12"}, 12}, {{"-F7", "-f9"}, 7}, {{"12"}, 0},    {{"-f'5'"}, 0},  // quotes are not
                                                                             // removed for numbers
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.parameters).SwitchInteger('f'), c.expected)
        << c.parameters.front();
  }
}

TEST(CommandLineTest, TextValuesJoinQuotesOverTheFollowingParameters) {
  const struct {
    Words parameters;
    std::string expected;
  } cases[] = {
      {{"-LD", "2", "+", "3"}, "D"},
      {{"-l1:2:3"}, "1:2:3"},
      {{"-l'1:2:3'"}, "1:2:3"},
      {{"-l\"1:2:3\""}, "1:2:3"},
      {{"-l[1:2:3]"}, "1:2:3"},
      {{"-l'1:", "2:", "3'"}, "1: 2: 3"},
      {{"-l'1:", "2:", "3'", "4'"}, "1: 2: 3"},
      {{"-l[1:2:3"}, "1:2:"},  // unclosed: the last character goes all the same
      {{"-l'1:2:3'", "x"}, "1:2:3' "},
      {{"-l'1", "", "2'"}, "1  2"},  // an empty parameter never closes
      {{"-l[1", "2'", "3]"}, "1 2' 3"},
      {{"-l'"}, ""},
      {{"-l''"}, ""},
      {{"-l"}, ""},
      {{"1:2:3"}, ""},
      {{"-l1'"}, "1'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.parameters).SwitchText('l'), c.expected) << c.parameters.front();
  }
}

TEST(CommandLineTest, QuoteKinds) {
  EXPECT_EQ(QuoteKind("'a"), Quote::Single);
  EXPECT_EQ(QuoteKind("\"a"), Quote::Double);
  EXPECT_EQ(QuoteKind("[a"), Quote::Bracket);
  EXPECT_EQ(QuoteKind("]a"), Quote::None);
  EXPECT_EQ(QuoteKind("a'"), Quote::None);
  EXPECT_EQ(QuoteKind(""), Quote::None);
}

TEST(CommandLineTest, HelpVersionAndGraphRequests) {
  const struct {
    Words parameters;
    bool help, version, graph;
  } cases[] = {
      {{"-?"}, true, false, false},          {{"2", "-Hx"}, true, false, false},
      {{"--help"}, true, false, false},      {{"--helpx"}, false, false, false},
      {{"/?", "/h"}, false, false, false},   {{"--version"}, false, true, false},
      {{"-P"}, false, false, true},          {{"-l'1", "--version", "x'"}, false, true, false},
      {{"-l'1", "-p'"}, false, false, true}, {{}, false, false, false},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.parameters);
    EXPECT_EQ(line.helpRequested, c.help) << testing::PrintToString(c.parameters);
    EXPECT_EQ(line.versionRequested, c.version) << testing::PrintToString(c.parameters);
    EXPECT_EQ(line.graphRequested, c.graph) << testing::PrintToString(c.parameters);
  }
}

TEST(CommandLineTest, ParametersAreCutTo255Characters) {
  const std::string longValue(400, 'v');
  const CommandLine line =
      ParseCommandLine({"-t" + longValue, std::string(300, 'w'), "-l'" + longValue, "tail'"});
  EXPECT_EQ(line.SwitchText('t'), std::string(253, 'v'));
  EXPECT_EQ(line.ExpressionWord(1), std::string(255, 'w'));
  // 252 characters, a blank, then what fits of "tail'"; the last character goes.
  EXPECT_EQ(line.SwitchText('l'), std::string(252, 'v') + " t");
  // The 6 lies beyond the cut.
  EXPECT_EQ(ParseCommandLine({"-f" + std::string(252, '0') + "56"}).SwitchInteger('f'), 5);
}

TEST(CommandLineTest, ExpressionWordsAreTheParametersThatAreNoSwitches) {
  const struct {
    Words parameters;
    Words words;
  } cases[] = {
      {{"-TD", "2", "+", "3"}, {"2", "+", "3"}},
      {{"-"}, {}},
      {{"-5+3"}, {}},
      {{"/?", "/h"}, {"/?", "/h"}},
      {{"", "1", ""}, {"", "1", ""}},
      {{"-l'1:", "2:", "3'", "x"}, {"2:", "3'", "x"}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.parameters);
    ASSERT_EQ(line.CountExpressionWords(), c.words.size());
    std::string joined;
    for (std::size_t n = 1; n <= c.words.size(); ++n) {
      EXPECT_EQ(line.ExpressionWord(n), c.words[n - 1]);
      joined += c.words[n - 1];
    }
    EXPECT_EQ(line.ExpressionWord(0), "");
    EXPECT_EQ(line.ExpressionWord(c.words.size() + 1), "");
    EXPECT_EQ(line.JoinExpressionWords(c.words.size()), joined);
  }
}

TEST(CommandLineTest, JoiningStopsAtTheCountAndAt255Characters) {
  Words parameters;
  for (int i = 0; i < 300; ++i)
    parameters.push_back(i % 7 == 0 ? "-x" : std::to_string(i % 10));
  const CommandLine line = ParseCommandLine(parameters);
  for (std::size_t count : {0u, 1u, 44u, 255u, 256u, 400u}) {
    std::string expected;
    for (std::size_t n = 1; n <= count; ++n)
      expected += line.ExpressionWord(n);
    EXPECT_EQ(line.JoinExpressionWords(count), expected.substr(0, 255)) << count;
  }
  EXPECT_EQ(ParseCommandLine({std::string(200, 'a'), std::string(100, 'b')}).JoinExpressionWords(2),
            std::string(200, 'a') + std::string(55, 'b'));
}

}  // namespace
}  // namespace calcorix::test
