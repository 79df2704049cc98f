// One expression through the whole calculation, from CheckParentheses to the printed line, with
// the settings taken from the first four bytes:
//   [0] angle unit (mod 3), [1] result format (mod 6), [2] decimalPlaces (16: none fixed),
//   [3] bit 0: "," as the decimal separator, bits 1-3: the value of LI;
// the rest is the expression, cut to 255 characters as every input path cuts it.
//
// Besides surviving, every run must print one of the shapes the result printer allows, each line of
// the kind it claims to be, and a printed value must read back close to the value computed: within
// one unit of its last printed digit (or of the 17th significant digit, beyond which places are
// written as zeros).
//
// And the grammar, written out here a second time as plain recursive descent: a text it rejects
// prints no result line and has its fault reported; a text it accepts never gets the
// formula-error line (the passes find nothing wrong in it) and no fault.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.hpp"
#include "calcorix/calculator.hpp"
#include "engine/formula.hpp"
#include "fuzz_support.hpp"
#include "session/name_table.hpp"

namespace calcorix::fuzz {
namespace {

constexpr std::size_t kHeader = 4;
constexpr std::size_t kMaxExpression = 255;

const long double kLoopValues[8] = {0, 1, -2.5L, 3.0e300L, 1.0e-300L, LDBL_MAX, -LDBL_MIN, 1e18L};

constexpr std::string_view kFormulaLine = "Błąd w formule";
constexpr std::string_view kGeneralErrorLine = "Błąd w formule.";
constexpr std::string_view kDivisionLine = "Błąd: dzielenie przez zero.";

struct PrintedLine {
  std::string text;
  LineKind kind;
};

class RecordingSink final : public LineSink {
 public:
  void Line(std::string_view text, LineKind kind) override {
    if (text.find_first_of("\r\n") != std::string_view::npos)
      Fail("a line end inside a line", text);
    if (faults != 0) Fail("a line after the fault", text);
    lines.push_back({std::string(text), kind});
  }
  void FormulaFault(ErrorKind kind, std::size_t position) override {
    ++faults;
    faultKind = kind;
    faultPosition = position;
  }
  std::vector<PrintedLine> lines;
  int faults = 0;
  ErrorKind faultKind = ErrorKind::None;
  std::size_t faultPosition = 0;
};

// sum := signs term {("+"|"-") signs term}, term := factor {("*"|"/") signs factor},
// factor := postfix ["^" signs factor], postfix := primary {"!"},
// primary := number | "(" sum ")" | FUNCTION "(" sum ")" | CONSTANT, signs := {"+"|"-"},
// number := digits ["." [digits]] [exponent] | "." digits [exponent],
// exponent := "E" ["+"|"-"] digits.
// Taking the longest number is exact: nothing that may follow a number can begin with a digit,
// "." or "E".
class Grammar {
 public:
  explicit Grammar(std::string_view text) : text_(text) {}
  bool Accepts() { return Sum() && at_ == text_.size(); }

 private:
  bool At(char c) const { return at_ < text_.size() && text_[at_] == c; }
  void Signs() {
    while (At('+') || At('-'))
      ++at_;
  }
  bool Digits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && IsDigit(text_[at_]))
      ++at_;
    return at_ > start;
  }
  bool Close() { return At(')') && ++at_ != 0; }
  bool Sum() {
    Signs();
    if (!Term()) return false;
    while (At('+') || At('-')) {
      ++at_;
      Signs();
      if (!Term()) return false;
    }
    return true;
  }
  bool Term() {
    if (!Factor()) return false;
    while (At('*') || At('/')) {
      ++at_;
      Signs();
      if (!Factor()) return false;
    }
    return true;
  }
  bool Factor() {
    if (!Postfix()) return false;
    if (!At('^')) return true;
    ++at_;
    Signs();
    return Factor();
  }
  bool Postfix() {
    if (!Primary()) return false;
    while (At('!'))
      ++at_;
    return true;
  }
  bool Primary() {
    if (At('(')) {
      ++at_;
      return Sum() && Close();
    }
    if (const NamedValue* named = MatchName(text_, at_)) {
      at_ += named->name.size();
      return named->function == nullptr || (Sum() && Close());
    }
    return Number();
  }
  bool Number() {
    if (Digits()) {
      if (At('.')) {
        ++at_;
        Digits();
      }
    } else if (!At('.') || (++at_, !Digits())) {
      return false;
    }
    if (!At('E')) return true;
    ++at_;
    if (At('+') || At('-')) ++at_;
    return Digits();
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

void CheckGrammar(const RecordingSink& sink, std::string expression) {
  const std::string given = expression;
  FormulaState state;
  if (sink.faults > 1) Fail("the fault reported twice", given);
  if (CheckParentheses(expression, state)) {
    if (sink.faults != 1 || sink.faultKind != ErrorKind::UnmatchedParenthesis ||
        sink.faultPosition >= given.size() ||
        (given[sink.faultPosition] != '(' && given[sink.faultPosition] != ')')) {
      Fail("unbalanced, and no parenthesis pointed at", given);
    }
    return;
  }
  const bool wellFormed = Grammar(expression).Accepts();
  if (!wellFormed) {
    if (!sink.lines.empty() && sink.lines[0].kind == LineKind::Result)
      Fail("a result line for a malformed expression", given);
    if (sink.faults != 1 || sink.faultPosition > given.size())
      Fail("a malformed expression without its fault", given);
    return;
  }
  if (sink.faults != 0) Fail("a fault in a well-formed expression", given);
  for (const PrintedLine& line : sink.lines) {
    if (line.kind == LineKind::FormulaError)
      Fail("the formula-error line for a well-formed expression", given);
  }
}

bool IsErrorLine(const PrintedLine& line) {
  return (line.text == kGeneralErrorLine && line.kind == LineKind::CalculationError) ||
         (line.text == kDivisionLine && line.kind == LineKind::DivisionByZero);
}

bool IsMissingParenthesesLine(std::string_view line) {
  static const std::string head = "Brakuje ";
  static const std::string tail1 = " nawiasów \")\".";
  static const std::string tail2 = " nawiasów \"(\".";
  if (!line.starts_with(head)) return false;
  std::size_t i = head.size();
  const std::size_t digits = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9')
    ++i;
  if (i == digits || line[digits] == '0') return false;
  const std::string_view tail = line.substr(i);
  return tail == tail1 || tail == tail2;
}

long double PowerOfTen(int exponent) {
  return std::pow(10.0L, static_cast<long double>(exponent));
}

// The decimal exponents of the first non-zero and of the last digit of a number text
// ("-12.340E+05": 6 and 3). No first digit for a zero mantissa.
struct DigitSpan {
  bool nonZero = false;
  int first = 0;
  int last = 0;
};

DigitSpan SpanOf(std::string_view text) {
  const std::size_t e = text.find('E');
  const std::string_view mantissa = text.substr(0, e);
  const int exponent =
      e == std::string_view::npos ? 0 : std::atoi(std::string(text.substr(e + 1)).c_str());
  const std::size_t point = mantissa.find('.');
  const std::size_t integerEnd = point == std::string_view::npos ? mantissa.size() : point;
  DigitSpan span;
  int place = 0;
  // Positions to the left of the point count down from integerEnd.
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    const char c = mantissa[i];
    if (c < '0' || c > '9') continue;
    place = i < integerEnd ? static_cast<int>(integerEnd - i - 1) : -static_cast<int>(i - point);
    if (c != '0' && !span.nonZero) {
      span.nonZero = true;
      span.first = place + exponent;
    }
  }
  span.last = place + exponent;
  return span;
}

// The printed decimal text reads back within the unit of its last digit, and never tighter than
// the unit of the 17th significant digit. `extraRelative` widens it for the Scientific format,
// whose mantissa is divided by an approximate power of ten.
void CheckReadsBack(std::string_view line, long double value, long double extraRelative,
                    char separator) {
  std::string text(line);
  if (separator != '.') {
    if (text.find('.') != std::string::npos) Fail("'.' printed with another separator", line);
    const std::size_t at = text.find(separator);
    if (at != std::string::npos) text[at] = '.';
  }
  if (text.empty() || text.find_first_not_of("+-0123456789.E") != std::string::npos) {
    Fail("not a number text", line);
  }
  char* end = nullptr;
  long double back = std::strtold(text.c_str(), &end);
  if (end != text.c_str() + text.size()) Fail("does not read back as a whole", line);
  // A value next to the largest finite one may be printed rounded up past it, as any correct
  // rounding may (1.1897314953572318E+4932); that text reads back as infinite, so a tenth of both
  // is compared instead.
  long double scale = 1;
  if (std::isinf(back)) {
    const std::size_t e = text.find('E');
    if (e == std::string::npos) Fail("reads back as infinite", line);
    const int exponent = std::atoi(text.c_str() + e + 1);
    back = std::strtold((text.substr(0, e) + "E" + std::to_string(exponent - 1)).c_str(), nullptr);
    scale = 10;
  }
  // Denormal values lose digits in any conversion: only the shape is checked there.
  if (std::fabs(value) < 1e-4900L) return;
  const DigitSpan span = SpanOf(text);
  int unitExponent = span.last;
  if (span.nonZero) unitExponent = std::max(unitExponent, span.first - 16);
  const long double unit = PowerOfTen(unitExponent);
  const long double allowed = unit * 1.0001L + std::fabs(value) * extraRelative;
  if (!(std::fabs(back - value / scale) <= allowed / scale)) {
    char detail[160];
    std::snprintf(detail, sizeof detail, "printed %s, value %.21Lg", text.c_str(), value);
    Fail("printed value does not read back", detail);
  }
}

void CheckRadixDigits(std::string_view line, long double value, int radix, std::size_t count) {
  if (line.size() != count) Fail("radix text of the wrong length", line);
  const unsigned bits = radix == 16 ? 4 : radix == 8 ? 3 : 1;
  // Far from the ends of the 64-bit range the C library's rounding (ties to even in the mode
  // every calculation runs in) must give the same low digits.
  if (!(std::fabs(value) < 0x1p62L)) return;
  auto n = static_cast<std::uint64_t>(std::llrint(value));
  for (std::size_t i = count; i-- > 0;) {
    const unsigned digit = static_cast<unsigned>(n & ((1u << bits) - 1));
    n >>= bits;
    const char expected = "0123456789ABCDEF"[digit];
    if (line[i] != expected) Fail("radix digits differ from the rounded value", line);
  }
}

void CheckResultLine(std::string_view line, long double value, const Options& options) {
  if (!std::isfinite(value)) Fail("a printed value that is not finite", line);
  switch (options.outputFormat) {
    case OutputFormat::Decimal:
    case OutputFormat::Exponential:
      CheckReadsBack(line, value, 0, options.decimalSeparator);
      break;
    case OutputFormat::Scientific:
      CheckReadsBack(line, value, 1e-12L, options.decimalSeparator);
      break;
    case OutputFormat::Hexadecimal:
      CheckRadixDigits(line, value, 16, 8);
      break;
    case OutputFormat::Octal:
      CheckRadixDigits(line, value, 8, 10);
      break;
    case OutputFormat::Binary:
      CheckRadixDigits(line, value, 2, 30);
      break;
  }
}

// The shapes the result printer may print: the missing-parentheses line alone; the formula-error
// line, perhaps followed by one error line; a result alone; an error line alone. The answer is ok
// exactly when a result was printed, and then ANS is its value.
void CheckOutput(const std::vector<PrintedLine>& lines, bool ok, const Calculator& calculator,
                 const std::string& expression) {
  std::string detail = "expression: " + expression + "\noutput:";
  for (const PrintedLine& line : lines)
    detail += "\n" + line.text;
  if (lines.empty()) Fail("nothing printed", detail);
  if (lines.size() > 2) Fail("more than two lines", detail);
  const PrintedLine& first = lines[0];
  const bool result = first.kind == LineKind::Result;
  if (ok != result) Fail("ok does not say whether a result was printed", detail);
  if (first.text == kFormulaLine) {
    if (first.kind != LineKind::FormulaError) Fail("formula line of another kind", detail);
    if (lines.size() == 2 && !IsErrorLine(lines[1])) Fail("formula line then no error", detail);
    return;
  }
  if (lines.size() != 1) Fail("two lines without a formula error first", detail);
  if (IsErrorLine(first)) return;
  if (IsMissingParenthesesLine(first.text)) {
    if (first.kind != LineKind::MissingParentheses)
      Fail("parentheses line of another kind", detail);
    return;
  }
  if (!result) Fail("an unknown line", detail);
  CheckResultLine(first.text, calculator.Answer(), calculator.GetOptions());
}

}  // namespace
}  // namespace calcorix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace calcorix;
  if (size < fuzz::kHeader) return -1;
  Options options;
  options.angleUnit = static_cast<AngleUnit>(data[0] % 3);
  options.outputFormat = static_cast<OutputFormat>(data[1] % 6 + 1);
  options.decimalPlaces = data[2];
  options.decimalSeparator = (data[3] & 1) != 0 ? ',' : '.';
  options.seed = 1;
  Calculator calculator(options);
  calculator.SetLoopValue(fuzz::kLoopValues[(data[3] >> 1) & 7]);

  const auto* text = reinterpret_cast<const char*>(data + fuzz::kHeader);
  const std::size_t length = std::min(size - fuzz::kHeader, fuzz::kMaxExpression);
  const std::string expression(text, length);

  fuzz::RecordingSink sink;
  bool ok = false;
  try {
    ok = calculator.Evaluate(expression, sink);
  } catch (...) {
    fuzz::Fail("an exception left the calculation", expression);
  }
  fuzz::CheckOutput(sink.lines, ok, calculator, expression);
  fuzz::CheckGrammar(sink, expression);
  return 0;
}
