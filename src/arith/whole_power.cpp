#include "arith/whole_power.hpp"

#include <math.h>

namespace calcorix {
namespace {

// (high + low) * 2^exponent, |high| in [0.5, 1), |low| below half an ulp of high.
struct DoubleLength {
  long double high;
  long double low;
  std::int64_t exponent;
};

// a = high + low with high holding the upper 32 bits of the 64-bit significand (Veltkamp).
void Split(long double a, long double& high, long double& low) {
  constexpr long double kSplitter = 4294967297.0L;  // 2^32 + 1
  const long double t = kSplitter * a;
  high = t - (t - a);
  low = a - high;
}

// a * b = product + error exactly (Dekker), for |a|, |b| below 1.
void TwoProduct(long double a, long double b, long double& product, long double& error) {
  product = a * b;
  long double aHigh, aLow, bHigh, bLow;
  Split(a, aHigh, aLow);
  Split(b, bHigh, bLow);
  error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

DoubleLength Normalised(long double high, long double low, std::int64_t exponent) {
  int shift;
  high = frexpl(high, &shift);
  low = ldexpl(low, -shift);
  const long double sum = high + low;
  const long double rest = low - (sum - high);  // exact: |high| >= |low|
  int again;
  const long double top = frexpl(sum, &again);
  return {top, ldexpl(rest, -again), exponent + shift + again};
}

DoubleLength Product(const DoubleLength& a, const DoubleLength& b) {
  long double product, error;
  TwoProduct(a.high, b.high, product, error);
  error += a.high * b.low + a.low * b.high;
  return Normalised(product, error, a.exponent + b.exponent);
}

DoubleLength Reciprocal(const DoubleLength& a) {
  const long double q = 1.0L / a.high;
  long double product, error;
  TwoProduct(q, a.high, product, error);
  // 1 - q * (high + low), the residue of the first quotient, exactly but for q * low.
  const long double residue = ((1.0L - product) - error) - q * a.low;
  return Normalised(q, q * residue, -a.exponent);
}

}  // namespace

long double WholePower(long double base, std::int64_t n) {
  int exponent;
  const long double significand = frexpl(base, &exponent);
  DoubleLength factor{significand, 0, exponent};
  if (n < 0) factor = Reciprocal(factor);
  std::uint64_t k = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  DoubleLength result{0.5L, 0, 1};
  while (k != 0) {
    if ((k & 1) != 0) result = Product(result, factor);
    k >>= 1;
    if (k != 0) factor = Product(factor, factor);
  }
  // Far outside the range, ldexpl's int exponent could not say it; 2^+-20000 is past either end.
  constexpr std::int64_t kFarOutside = 20000;
  const long double sign = result.high < 0 ? -1.0L : 1.0L;
  if (result.exponent > kFarOutside) return sign * HUGE_VALL;
  if (result.exponent < -kFarOutside) return sign * 0.0L;
  return ldexpl(result.high + result.low, static_cast<int>(result.exponent));
}

}  // namespace calcorix
