// The library's contract: what Evaluate hands back, independent calculators, and the caller's
// arithmetic unit left as it was.

#include "calcorix/calculator.hpp"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace calcorix::test {
namespace {

// Options field by field (designated initializers that leave fields out make some compilers warn).
Options Make(AngleUnit unit = AngleUnit::Radians, OutputFormat format = OutputFormat::Decimal,
             int places = kNoFixedPlaces, char separator = '.',
             std::optional<std::uint64_t> seed = std::nullopt) {
  Options options;
  options.angleUnit = unit;
  options.outputFormat = format;
  options.decimalPlaces = places;
  options.decimalSeparator = separator;
  options.seed = seed;
  return options;
}

struct Row {
  const char* expression;
  std::vector<std::string> lines;
  bool ok;
};

TEST(Calculator, LinesOkAndValue) {
  const Row rows[] = {
      {"2*sin(30)+3^2", {"7.023936751814276"}, true},
      {"1/3", {"0.333333333333333"}, true},
      {"(1+2", {"Brakuje 1 nawiasów \")\"."}, false},
      {"1+2))", {"Brakuje 2 nawiasów \"(\"."}, false},
      {"2**3", {"Błąd w formule"}, false},
      {"1/0", {"Błąd: dzielenie przez zero."}, false},
      {"0/0", {"Błąd w formule."}, false},
      {"(2*)/0", {"Błąd w formule", "Błąd: dzielenie przez zero."}, false},
      {"", {"0"}, true},
  };
  for (const Row& row : rows) {
    Calculator calculator;
    const Result r = calculator.Evaluate(row.expression);
    EXPECT_EQ(r.lines, row.lines) << row.expression;
    EXPECT_EQ(r.ok, row.ok) << row.expression;
  }
  Calculator calculator;
  EXPECT_EQ(calculator.Evaluate("1/4").value, 0.25L);
}

// A typo never becomes a number, and the user is told where; the value of every well-formed
// expression is as before. Each row runs after "7", so ANS and MEM must still be 7 after a failure.
TEST(Calculator, MalformedExpressionsAreErrorsWithTheirPlace) {
  const std::string formula = "Błąd w formule";
  const struct {
    const char* expression;
    std::vector<std::string> lines;
    ErrorKind kind;
    std::optional<std::size_t> position;
    AngleUnit unit = AngleUnit::Radians;
  } rows[] = {
      {"2(3)", {formula}, ErrorKind::MissingOperator, 1},
      {"2pi", {formula}, ErrorKind::MissingOperator, 1},
      {"2sin(30)", {formula}, ErrorKind::MissingOperator, 1, AngleUnit::Degrees},
      {"(1+2)(3+4)", {formula}, ErrorKind::MissingOperator, 5},
      {"LIPI", {formula}, ErrorKind::MissingOperator, 2},
      {"3!4", {formula}, ErrorKind::MissingOperator, 2},
      {"2+*3", {formula}, ErrorKind::MissingNumber, 2},
      {"2 + * 3", {formula}, ErrorKind::MissingNumber, 4},  // blanks count in the position
      {"2+", {formula}, ErrorKind::MissingNumber, 2},
      {"2^ ", {formula}, ErrorKind::MissingNumber, 2},
      {"*3", {formula}, ErrorKind::MissingNumber, 0},
      {"sin()", {formula}, ErrorKind::MissingNumber, 4},
      {"()", {formula}, ErrorKind::MissingNumber, 1},
      {"1.5.5", {formula}, ErrorKind::MalformedNumber, 3},
      {"1e", {formula}, ErrorKind::MalformedNumber, 2},
      {"2EXP(0)", {formula}, ErrorKind::MalformedNumber, 2},
      {"pi pi", {formula}, ErrorKind::MissingOperator, 3},
      {"2*cost(1)", {formula}, ErrorKind::UnknownName, 2},
      {"answer", {formula}, ErrorKind::UnknownName, 0},
      {"2=2", {formula}, ErrorKind::UnexpectedCharacter, 1},
      {")1+2(", {formula}, ErrorKind::UnmatchedParenthesis, 0},
      {"sin((1)", {"Brakuje 1 nawiasów \")\"."}, ErrorKind::UnmatchedParenthesis, 3},
      // An error line the passes print stays as it was, and the fault is still told.
      {"(2*)/0", {formula, "Błąd: dzielenie przez zero."}, ErrorKind::MissingNumber, 3},
      {"2(0/0)", {"Błąd w formule."}, ErrorKind::MissingOperator, 1},
      {"1/0", {"Błąd: dzielenie przez zero."}, ErrorKind::DivisionByZero, std::nullopt},
      {"0/0", {"Błąd w formule."}, ErrorKind::CalculationError, std::nullopt},
      // Well-formed: runs of signs, numbers with a point at either end, "!" after "!" or ")".
      {"", {"0"}, ErrorKind::None, std::nullopt},
      {"2*--3", {"6"}, ErrorKind::None, std::nullopt},
      {"-3", {"-3"}, ErrorKind::None, std::nullopt},
      {"2^-2", {"0.25"}, ErrorKind::None, std::nullopt},
      {"+-+3", {"-3"}, ErrorKind::None, std::nullopt},
      {"5.+.5", {"5.5"}, ErrorKind::None, std::nullopt},
      {"1E+3", {"1000"}, ErrorKind::None, std::nullopt},
      {"3!!", {"720"}, ErrorKind::None, std::nullopt},
      {"(3)!", {"6"}, ErrorKind::None, std::nullopt},
      {"0,25", {"0.25"}, ErrorKind::None, std::nullopt},  // what a comma locale prints
      {"1\t+\t2", {"3"}, ErrorKind::None, std::nullopt},  // a tab is a blank
  };
  for (const auto& row : rows) {
    Calculator calculator(Make(row.unit));
    calculator.Evaluate("7");
    const Result r = calculator.Evaluate(row.expression);
    EXPECT_EQ(r.lines, row.lines) << row.expression;
    EXPECT_EQ(r.errorKind, row.kind) << row.expression;
    EXPECT_EQ(r.errorPosition, row.position) << row.expression;
    EXPECT_EQ(r.ok, row.kind == ErrorKind::None) << row.expression;
    if (!r.ok) {
      EXPECT_TRUE(calculator.Answer() == 7 && calculator.Memory() == 7) << row.expression;
    }
  }
}

class Recorder final : public LineSink {
 public:
  void Line(std::string_view text, LineKind kind) override { lines.emplace_back(text, kind); }
  std::vector<std::pair<std::string, LineKind>> lines;
};

TEST(Calculator, EachLineComesWithItsKind) {
  const struct {
    const char* expression;
    std::vector<LineKind> kinds;
  } cases[] = {
      {"1+1", {LineKind::Result}},
      {"((1)", {LineKind::MissingParentheses}},
      {"SIN30", {LineKind::FormulaError}},
      {"LN(0)", {LineKind::DivisionByZero}},
      {"SQRT(0-1)", {LineKind::CalculationError}},
      {"-3!", {LineKind::CalculationError}},
      {"(2*)/0", {LineKind::FormulaError, LineKind::DivisionByZero}},
  };
  for (const auto& c : cases) {
    Calculator calculator;
    Recorder recorder;
    const bool ok = calculator.Evaluate(c.expression, recorder);
    std::vector<LineKind> kinds;
    for (const auto& line : recorder.lines)
      kinds.push_back(line.second);
    EXPECT_EQ(kinds, c.kinds) << c.expression;
    EXPECT_EQ(ok, c.kinds == std::vector<LineKind>{LineKind::Result}) << c.expression;
  }
}

TEST(Calculator, OptionsChooseUnitFormatPlacesAndSeparator) {
  const struct {
    Options options;
    const char* expression;
    const char* line;
  } cases[] = {
      {Make(AngleUnit::Degrees), "sin(30)", "0.5"},
      {Make(AngleUnit::Grads), "sin(100)", "1"},
      {Make(AngleUnit::Radians, OutputFormat::Scientific), "12345.678", "12.345678E+03"},
      {Make(AngleUnit::Radians, OutputFormat::Exponential), "2/3", "6.66666666666667E-01"},
      {Make(AngleUnit::Radians, OutputFormat::Hexadecimal), "255", "000000FF"},
      {Make(AngleUnit::Radians, OutputFormat::Octal), "8", "0000000010"},
      {Make(AngleUnit::Radians, OutputFormat::Binary), "5", "000000000000000000000000000101"},
      {Make(AngleUnit::Radians, OutputFormat::Decimal, 2), "1234.5", "1234.50"},
      {Make(AngleUnit::Radians, OutputFormat::Decimal, 300), "1/3",
       "0.33333333333333300"},  // 300 is 44 places: 17 of a 15-decimal text
      {Make(AngleUnit::Radians, OutputFormat::Decimal, kNoFixedPlaces, ','), "1.5", "1,5"},
      // Next to the largest finite value the digits round up past it; still a result.
      {Make(AngleUnit::Radians, OutputFormat::Decimal, 45, ','), "1.18973149535723175062E4932",
       "1,1897314953572318E+4932"},
  };
  for (const auto& c : cases) {
    Calculator calculator(c.options);
    EXPECT_EQ(calculator.Evaluate(c.expression).lines, std::vector<std::string>{c.line})
        << c.expression;
  }
}

TEST(Calculator, AnswerMemoryAndLoopValue) {
  Calculator calculator;
  EXPECT_EQ(calculator.Evaluate("ANS+MEM+LI").lines, std::vector<std::string>{"0"});
  calculator.Evaluate("2");
  calculator.Evaluate("3");
  calculator.Evaluate("1/0");  // no result line: ANS and MEM stay
  EXPECT_EQ(calculator.Answer(), 3);
  EXPECT_EQ(calculator.Memory(), 5);
  calculator.SetLoopValue(2.5L);
  EXPECT_EQ(calculator.LoopValue(), 2.5L);
  EXPECT_EQ(calculator.Evaluate("ANS*10+MEM+LI").lines, std::vector<std::string>{"37.5"});
}

TEST(Calculator, OnlyTheFirst255CharactersCount) {
  Calculator calculator;
  // 253 characters of "0+0+...+0", then "*1+9": the "+9" lies beyond the 255th character.
  std::string text;
  while (text.size() < 253)
    text += "0+";
  text.resize(253);
  EXPECT_EQ(calculator.Evaluate(text + "*1+9").lines, std::vector<std::string>{"0"});
  EXPECT_EQ(calculator.Evaluate(text + "+9").lines, std::vector<std::string>{"9"});
}

TEST(Calculator, EqualSeedsDrawEqualNumbers) {
  const Options seeded = Make(AngleUnit::Radians, OutputFormat::Decimal, kNoFixedPlaces, '.', 42);
  Calculator a(seeded), b(seeded);
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(a.Evaluate("RAN(1000000)").lines, b.Evaluate("RAN(1000000)").lines);
}

// Interleaving two calculators changes nothing in either: each gives the lines it gives alone.
TEST(Calculator, TwoCalculatorsInterleavedAreIndependent) {
  const Options first = Make(AngleUnit::Degrees, OutputFormat::Decimal, kNoFixedPlaces, '.', 1);
  const Options second = Make(AngleUnit::Grads, OutputFormat::Scientific, 4, ',', 2);
  const std::vector<std::string> expressions = {
      "sin(30)", "ANS*2",   "MEM",   "cos(LI)", "(2*)/0", "RAN(1000)", "tan(45)+ANS", "1/(1-1)",
      "MEM",     "atan(1)", "2^0.5", "ANS-MEM", "RAN(6)", "(1+2",      "sqrt(ANS)"};
  const auto alone = [&](const Options& options) {
    Calculator calculator(options);
    calculator.SetLoopValue(60);
    std::vector<std::vector<std::string>> lines;
    for (const std::string& e : expressions)
      lines.push_back(calculator.Evaluate(e).lines);
    return lines;
  };
  const auto firstAlone = alone(first), secondAlone = alone(second);
  Calculator a(first), b(second);
  a.SetLoopValue(60);
  b.SetLoopValue(60);
  for (std::size_t i = 0; i < expressions.size(); ++i) {
    EXPECT_EQ(a.Evaluate(expressions[i]).lines, firstAlone[i]) << expressions[i];
    EXPECT_EQ(b.Evaluate(expressions[i]).lines, secondAlone[i]) << expressions[i];
  }
  // Spot checks that the two really differ as their options say.
  EXPECT_EQ(firstAlone[0], std::vector<std::string>{"0.5"});
  EXPECT_EQ(secondAlone[0], std::vector<std::string>{"0,4540E+00"});
  EXPECT_EQ(firstAlone[4],
            (std::vector<std::string>{"Błąd w formule", "Błąd: dzielenie przez zero."}));
}

std::uint16_t X87ControlWord() {
  std::uint16_t control;
  __asm__ volatile("fnstcw %0" : "=m"(control));
  return control;
}

void LoadX87ControlWord(std::uint16_t control) {
  __asm__ volatile("fldcw %0" : : "m"(control));
}

// A host that computes in 53-bit precision, rounding toward zero, with a flag of its own raised:
// the calculation still gives its own digits, and the host gets its state back.
TEST(Calculator, LeavesTheCallersArithmeticUnitAsItWas) {
  Calculator reference;
  const std::vector<std::string> expected = reference.Evaluate("2/3+sqrt(2)*1E300").lines;

  const std::uint16_t savedControl = X87ControlWord();
  const int savedRounding = std::fegetround();
  std::feclearexcept(FE_ALL_EXCEPT);
  std::fesetround(FE_TOWARDZERO);
  const std::uint16_t hostControl =
      static_cast<std::uint16_t>((X87ControlWord() & ~0x0300) | 0x0200);
  LoadX87ControlWord(hostControl);
  std::feraiseexcept(FE_UNDERFLOW);

  Calculator calculator;
  const std::vector<std::string> got = calculator.Evaluate("2/3+sqrt(2)*1E300").lines;
  const std::vector<std::string> error = calculator.Evaluate("1/0").lines;
  const std::uint16_t afterControl = X87ControlWord();
  const int afterRounding = std::fegetround();
  const int afterFlags = std::fetestexcept(FE_ALL_EXCEPT);

  LoadX87ControlWord(savedControl);
  std::fesetround(savedRounding);
  std::feclearexcept(FE_ALL_EXCEPT);

  EXPECT_EQ(got, expected);
  EXPECT_EQ(error, std::vector<std::string>{"Błąd: dzielenie przez zero."});
  EXPECT_EQ(afterControl, hostControl);
  EXPECT_EQ(afterRounding, FE_TOWARDZERO);
  EXPECT_EQ(afterFlags, FE_UNDERFLOW);
}

}  // namespace
}  // namespace calcorix::test
