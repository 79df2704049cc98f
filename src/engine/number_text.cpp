#include "engine/number_text.hpp"

#include <array>
#include <cmath>
#include <cstdint>

#include "arith/checked.hpp"
#include "arith/decimal_digits.hpp"
#include "base/text.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kLargestPowerOfTen = 4932;  // 10^4933 is beyond the 80-bit range
constexpr std::size_t kFirstExponentStep = 4930;
// Any exponent above 4930 + 4932 already needs a power of ten beyond the range, so saturating
// here changes no outcome.
constexpr std::size_t kExponentCeiling = 1000000;

// 10^n exactly as n multiplications by 10 starting from 1 give it: each power from the previous
// one by a single rounded multiplication, which is what building each anew would do step by step.
long double TenToThe(std::size_t n) {
  static const std::array<long double, kLargestPowerOfTen + 1> powers = [] {
    std::array<long double, kLargestPowerOfTen + 1> p{};
    p[0] = 1.0L;
    for (std::size_t i = 1; i < p.size(); ++i)
      p[i] = p[i - 1] * 10.0L;
    return p;
  }();
  if (n > kLargestPowerOfTen) throw EOverflow();
  return powers[n];
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i]))
    ++i;
  return i;
}

}  // namespace

bool ParseNumberShape(std::string_view text, NumberShape& shape) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    shape.negative = text[i] == '-';
    ++i;
  }
  shape.digitsBegin = i;
  const std::size_t integerEnd = SkipDigits(text, i);
  std::size_t digitCount = integerEnd - i;
  i = integerEnd;
  if (i < n && text[i] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, i + 1);
    shape.fractionDigits = fractionEnd - (i + 1);
    digitCount += shape.fractionDigits;
    i = fractionEnd;
  }
  if (digitCount == 0) return false;
  shape.digitsEnd = i;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      shape.negativeExponent = text[i] == '-';
      ++i;
    }
    if (i == n || !IsDigit(text[i])) return false;
    for (; i < n && IsDigit(text[i]); ++i) {
      shape.exponent = shape.exponent * 10 + static_cast<std::size_t>(text[i] - '0');
      if (shape.exponent > kExponentCeiling) shape.exponent = kExponentCeiling;
    }
  }
  return i == n;
}

namespace {

// v = v*10 + digit over every digit. While the integer stays below 2^64 each 80-bit step is exact,
// so it is carried in an integer (no flags to check) and handed over to the 80-bit steps, which
// round, before it could pass 2^64; from an exact value those steps give what all of them would.
long double AccumulateDigits(std::string_view digits) {
  constexpr std::uint64_t kLastSafe = (UINT64_MAX - 9) / 10;  // kLastSafe * 10 + 9 < 2^64
  std::uint64_t whole = 0;
  std::size_t i = 0;
  for (; i < digits.size() && whole <= kLastSafe; ++i) {
    if (digits[i] != '.') whole = whole * 10 + static_cast<std::uint64_t>(digits[i] - '0');
  }
  long double v = static_cast<long double>(whole);  // exact: 64 significand bits
  for (; i < digits.size(); ++i) {
    if (digits[i] == '.') continue;
    v = Add(Mul(v, 10.0L), static_cast<long double>(digits[i] - '0'));
  }
  return v;
}

void AppendExponentForm(std::string& out, const DecimalDigits& d) {
  const RoundedDecimal r = RoundSignificant(d, 17);
  const std::size_t first = out.size();
  AppendUnsigned(out, r.mantissa);  // exactly 17 digits
  out.insert(first + 1, 1, '.');
  out += "E+";
  const int exponent = r.scale + 16;
  for (int width = 1000; width > 1 && exponent < width; width /= 10)
    out.push_back('0');
  AppendUnsigned(out, static_cast<std::uint64_t>(exponent));
}

}  // namespace

long double TextToNumber(std::string_view text) {
  NumberShape shape;
  if (!ParseNumberShape(text, shape)) return 0.0L;
  long double v =
      AccumulateDigits(text.substr(shape.digitsBegin, shape.digitsEnd - shape.digitsBegin));
  if (shape.fractionDigits > 0) v = Div(v, TenToThe(shape.fractionDigits));
  if (shape.negative) v = -v;
  if (shape.exponent > 0) {
    const auto scale = shape.negativeExponent ? Div : Mul;
    std::size_t rest = shape.exponent;
    if (rest > kFirstExponentStep) {
      v = scale(v, TenToThe(kFirstExponentStep));
      rest -= kFirstExponentStep;
    }
    v = scale(v, TenToThe(rest));
  }
  return v;
}

void AppendSubstitutedValue(std::string& out, long double x) {
  if (std::isnan(x)) throw EInvalidOp();
  if (std::isinf(x)) throw EOverflow();
  const DecimalDigits d = ExactDigits(x);
  if (d.negative) out.push_back('-');
  const RoundedDecimal fixed = RoundDecimal(d, 17, -15);
  // From 10^35 on the 17 significant digits are the binding limit, so the mantissa has 17 digits,
  // or is 10^17 when 9.99...E35 rounds up to 10^36.
  const bool exponentForm =
      d.digits != 0 && (d.exponent >= 36 || (d.exponent == 35 && fixed.mantissa == PowerOfTen(17)));
  if (exponentForm) {
    AppendExponentForm(out, d);
    return;
  }
  AppendFixed(out, fixed, 15);
}

std::string FormatSubstitutedValue(long double x) {
  std::string out;
  AppendSubstitutedValue(out, x);
  return out;
}

}  // namespace calcorix
