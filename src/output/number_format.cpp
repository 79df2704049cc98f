#include "output/number_format.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "arith/decimal_digits.hpp"
#include "arith/float80.hpp"

// Every form is built from the one ExactDigits of its value (the costly step at the ends of the
// range), with "." as the point; the separator replaces it last, at the position where it was,
// so that a separator byte is never mistaken for a digit.

namespace calcorix {
namespace {

constexpr int kMaxSignificant = 17;

// Fixed texts switch to the exponent form from this rounded magnitude on.
constexpr int kFixedLimitExponent = 36;

// The 80-bit number nearest to 0.00001 (it lies a little below it): FormatGeneral writes smaller
// magnitudes in the exponent form.
constexpr long double kSmallestGeneralFixed = 0xA7C5AC471B478423p-80L;
static_assert(kSmallestGeneralFixed == 1e-5L);

int DigitCount(std::uint64_t n) {
  int count = 1;
  while (n >= 10) {
    n /= 10;
    ++count;
  }
  return count;
}

// n significant digits (n zeros for zero) and the decimal exponent of the first one.
struct Significand {
  std::string digits;
  int exponent = 0;
};

Significand SignificantDigits(const DecimalDigits& exact, int n) {
  Significand s;
  if (exact.digits == 0) {
    s.digits.assign(static_cast<std::size_t>(n), '0');
    return s;
  }
  const RoundedDecimal r = RoundSignificant(exact, n);
  AppendUnsigned(s.digits, r.mantissa);
  s.exponent = r.scale + n - 1;
  return s;
}

void AppendExponentDigits(std::string& out, int magnitude, int minimumDigits) {
  const std::size_t start = out.size();
  AppendUnsigned(out, static_cast<std::uint64_t>(magnitude));
  const int written = static_cast<int>(out.size() - start);
  if (written < minimumDigits) {
    out.insert(start, static_cast<std::size_t>(minimumDigits - written), '0');
  }
}

std::string ExponentTextOf(const DecimalDigits& exact, int n) {
  const Significand s = SignificantDigits(exact, std::clamp(n, 2, kMaxSignificant));
  std::string t;
  t.push_back(exact.negative ? '-' : ' ');
  t.push_back(s.digits[0]);
  t.push_back('.');
  t.append(s.digits, 1, std::string::npos);
  t.push_back('E');
  t.push_back(s.exponent < 0 ? '-' : '+');
  AppendExponentDigits(t, std::abs(s.exponent), 4);
  return t;
}

std::string FixedPointTextOf(const DecimalDigits& exact, int f) {
  f = std::clamp(f, 0, kMaxSignificant);
  // One rounding covers every case: with k integer digits it keeps min(f, 17 - k) decimals, and
  // beyond 17 integer digits it keeps 17 significant digits judged by the 18th.
  const RoundedDecimal rounded = RoundDecimal(exact, kMaxSignificant, -f);
  if (rounded.mantissa != 0 &&
      DigitCount(rounded.mantissa) + rounded.scale - 1 >= kFixedLimitExponent) {
    return ExponentTextOf(exact, kMaxSignificant);
  }
  std::string t;
  if (exact.negative) t.push_back('-');
  AppendFixed(t, rounded, f);
  return t;
}

// FormatExponent's text, still with "." as its point.
std::string ExponentForm(const DecimalDigits& exact, int p, int k) {
  std::string t = ExponentTextOf(exact, p);
  if (t[0] == ' ') t.erase(0, 1);
  const std::size_t e = t.find('E');
  const std::size_t firstDigit = e + 2;
  const std::size_t keep = static_cast<std::size_t>(std::clamp(k, 0, 4));
  std::size_t count = t.size() - firstDigit;
  while (count > keep && t[firstDigit] == '0') {
    t.erase(firstDigit, 1);
    --count;
  }
  if (count == 0) t.erase(e);
  return t;
}

std::string WithSeparator(std::string t, char separator) {
  const std::size_t point = t.find('.');
  if (point != std::string::npos) t[point] = separator;
  return t;
}

std::string GeneralExponentForm(const DecimalDigits& exact, int p, int k, char separator) {
  std::string t = ExponentForm(exact, p, k);
  std::size_t e = t.find('E');
  if (e == std::string::npos) e = t.size();  // an exponent of 0 that k = 0 removed
  if (e + 1 < t.size() && t[e + 1] == '+') t.erase(e + 1, 1);
  std::size_t end = e;
  while (end > 1 && t[end - 1] == '0')
    --end;
  if (end > 1 && t[end - 1] == '.') --end;
  t.erase(end, e - end);
  return WithSeparator(std::move(t), separator);
}

}  // namespace

std::string FixedPointText(long double x, int f) {
  return FixedPointTextOf(ExactDigits(x), f);
}

std::string ExponentText(long double x, int n) {
  return ExponentTextOf(ExactDigits(x), n);
}

std::string FormatFixed(long double x, int d, char separator) {
  std::string t = FixedPointText(x, std::min(d, kMaxSignificant));
  if (!t.empty() && t[0] == ' ') t.erase(0, 1);
  return WithSeparator(std::move(t), separator);
}

std::string FormatExponent(long double x, int p, int k, char separator) {
  return WithSeparator(ExponentForm(ExactDigits(x), p, k), separator);
}

std::string FormatGeneral(long double x, int p, int k, char separator) {
  p = std::clamp(p, 0, kMaxSignificant);
  const DecimalDigits exact = ExactDigits(x);
  const long double magnitude = SignBit(x) ? -x : x;
  if (x != 0 && magnitude < kSmallestGeneralFixed)
    return GeneralExponentForm(exact, p, k, separator);

  std::string t = FixedPointTextOf(exact, p);
  if (t.find('E') != std::string::npos) return GeneralExponentForm(exact, p, k, separator);
  const std::size_t point = t.find('.');
  // 1-based position of the point; a text without one (p = 0) counts as all integer part.
  const std::size_t s = point == std::string::npos ? t.size() + 1 : point + 1;
  const std::size_t p1 = static_cast<std::size_t>(p) + 1;
  if (s > p1) return GeneralExponentForm(exact, p, k, separator);

  const std::size_t length = p1 + (t[0] == '-' ? 1 : 0);
  if (t.size() > length && length > s) t.resize(length);
  if (point != std::string::npos) {
    std::size_t end = t.size();
    while (end > point + 1 && t[end - 1] == '0')
      --end;
    if (end == point + 1) end = point;
    t.resize(end);
  }
  return WithSeparator(std::move(t), separator);
}

std::string FormatExponentPattern(long double x, char separator) {
  const DecimalDigits exact = ExactDigits(x);
  const Significand s = SignificantDigits(exact, 16);
  std::string t;
  if (exact.negative) t.push_back('-');
  t.push_back(s.digits[0]);
  const std::size_t last = s.digits.find_last_not_of('0');
  if (last != std::string::npos && last > 0) {
    t.push_back(separator);
    t.append(s.digits, 1, last);
  }
  t.push_back('E');
  t.push_back(s.exponent < 0 ? '-' : '+');
  AppendExponentDigits(t, std::abs(s.exponent), 2);
  return t;
}

std::string FormatTwoDigits(int e) {
  std::string t;
  if (e < 0) {
    t.push_back('-');
    AppendUnsigned(t, static_cast<std::uint64_t>(-static_cast<long long>(e)));
  } else {
    AppendExponentDigits(t, e, 2);
  }
  return t;
}

}  // namespace calcorix
