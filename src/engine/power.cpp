#include "engine/power.hpp"

#include <cmath>

#include "arith/checked.hpp"
#include "arith/errors.hpp"
#include "arith/math_steps.hpp"

namespace calcorix {

long double Power(long double base, long double exponent) {
  if (exponent == 0.0L) {
    if (base == 0.0L) throw EInvalidArgument();
    return 1.0L;
  }
  if (base == 0.0L && exponent > 0.0L) return 0.0L;
  if (std::fabs(exponent) <= 2147483647.0L && std::trunc(exponent) == exponent) {
    return IntPower(base, static_cast<std::int32_t>(exponent));
  }
  if (base > 0.0L) {
    const long double lnBase = steps::Ln(base);
    return steps::Exp(Mul(exponent, lnBase));
  }
  throw EInvalidArgument();
}

long double IntPower(long double base, std::int32_t exponent) {
  if (base == 0.0L && exponent == 0) throw EInvalidArgument();
  // 64 bits: the magnitude of -2^31 does not fit in 32.
  std::int64_t k = exponent < 0 ? -static_cast<std::int64_t>(exponent) : exponent;
  long double result = 1.0L;
  while (k > 0) {
    while (k % 2 == 0) {
      k /= 2;
      base = Mul(base, base);
    }
    --k;
    result = Mul(result, base);
  }
  return exponent < 0 ? Div(1.0L, result) : result;
}

}  // namespace calcorix
