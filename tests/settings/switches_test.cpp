#include "settings/switches.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/process.hpp"

namespace calcorix::test {
namespace {

using Words = std::vector<std::string>;

class Switches : public ::testing::Test {
 protected:
  void TearDown() override { SetParameters({}); }
};

TEST_F(Switches, FindsTheFirstSwitchWithTheLetterWhateverItsCase) {
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
    SetParameters(c.parameters);
    EXPECT_EQ(FindSwitch(c.letter), c.expected) << c.parameters.size() << " " << c.letter;
    EXPECT_EQ(SwitchPresent(c.letter), c.expected != 0);
  }
}

TEST_F(Switches, WholeNumberValues) {
  const struct {
    Words parameters;
    std::int32_t expected;
  } cases[] = {
      {{"-f12"}, 12},  {{"-f"}, 0},         {{"-f12a"}, 0}, {{"-f$10"}, 16}, {{"-f-3"}, -3},
      {{"-f 12"}, 12}, {{"-F7", "-f9"}, 7}, {{"12"}, 0},    {{"-f'5'"}, 0},  // quotes are not
                                                                             // removed for numbers
  };
  for (const auto& c : cases) {
    SetParameters(c.parameters);
    EXPECT_EQ(SwitchInteger('f'), c.expected) << c.parameters.front();
  }
}

TEST_F(Switches, TextValuesJoinQuotesOverTheFollowingParameters) {
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
    SetParameters(c.parameters);
    EXPECT_EQ(SwitchText('l'), c.expected) << c.parameters.front();
  }
}

TEST_F(Switches, QuoteKinds) {
  EXPECT_EQ(QuoteKind("'a"), Quote::Single);
  EXPECT_EQ(QuoteKind("\"a"), Quote::Double);
  EXPECT_EQ(QuoteKind("[a"), Quote::Bracket);
  EXPECT_EQ(QuoteKind("]a"), Quote::None);
  EXPECT_EQ(QuoteKind("a'"), Quote::None);
  EXPECT_EQ(QuoteKind(""), Quote::None);
}

TEST_F(Switches, ParametersAreCutTo255Characters) {
  const std::string longValue(400, 'v');
  SetParameters({"-t" + longValue, std::string(300, 'w'), "-l'" + longValue, "tail'"});
  EXPECT_EQ(SwitchText('t'), std::string(253, 'v'));
  EXPECT_EQ(ExpressionWord(1), std::string(255, 'w'));
  // 252 characters, a blank, then what fits of "tail'"; the last character goes.
  EXPECT_EQ(SwitchText('l'), std::string(252, 'v') + " t");

  SetParameters({"-f" + std::string(252, '0') + "56"});  // the 6 lies beyond the cut
  EXPECT_EQ(SwitchInteger('f'), 5);
}

TEST_F(Switches, ExpressionWordsAreTheParametersThatAreNoSwitches) {
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
    SetParameters(c.parameters);
    ASSERT_EQ(CountExpressionWords(), c.words.size());
    std::string joined;
    for (std::size_t n = 1; n <= c.words.size(); ++n) {
      EXPECT_EQ(ExpressionWord(n), c.words[n - 1]);
      joined += c.words[n - 1];
    }
    EXPECT_EQ(ExpressionWord(0), "");
    EXPECT_EQ(ExpressionWord(c.words.size() + 1), "");
    EXPECT_EQ(JoinExpressionWords(c.words.size()), joined);
  }
}

TEST_F(Switches, JoiningStopsAtTheCountAndAt255Characters) {
  Words parameters;
  for (int i = 0; i < 300; ++i)
    parameters.push_back(i % 7 == 0 ? "-x" : std::to_string(i % 10));
  SetParameters(parameters);
  for (std::size_t count : {0u, 1u, 44u, 255u, 256u, 400u}) {
    std::string expected;
    for (std::size_t n = 1; n <= count; ++n)
      expected += ExpressionWord(n);
    EXPECT_EQ(JoinExpressionWords(count), expected.substr(0, 255)) << count;
  }
  SetParameters({std::string(200, 'a'), std::string(100, 'b')});
  EXPECT_EQ(JoinExpressionWords(2), std::string(200, 'a') + std::string(55, 'b'));
}

}  // namespace
}  // namespace calcorix::test
