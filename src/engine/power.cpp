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

namespace {

// base^k for k >= 0 by repeated squaring. Errors: EOverflow.
long double RepeatedSquaring(long double base, std::int64_t k) {
  long double result = 1.0L;
  while (k > 0) {
    while (k % 2 == 0) {
      k /= 2;
      base = Mul(base, base);
    }
    --k;
    result = Mul(result, base);
  }
  return result;
}

}  // namespace

long double IntPower(long double base, std::int32_t exponent) {
  if (base == 0.0L && exponent == 0) throw EInvalidArgument();
  if (exponent >= 0) return RepeatedSquaring(base, exponent);
  // 64 bits: the magnitude of -2^31 does not fit in 32.
  const std::int64_t k = -static_cast<std::int64_t>(exponent);
  if (base == 0.0L) return Div(1.0L, RepeatedSquaring(base, k));
  // When b^k has left the normal range (it overflowed, or fell to a denormal or 0), 1 / b^k is 0,
  // infinite or short of bits, while the true b^-k may be representable (2^-16400, a denormal) or
  // overflow where 1 / 0 would claim a division by zero (0.5^-20000). The library's power gives
  // b^-k in one rounding then.
  long double product;
  try {
    product = RepeatedSquaring(base, k);
  } catch (const EOverflow&) {
    return steps::Power(base, exponent);
  }
  if (!std::isnormal(product)) return steps::Power(base, exponent);
  return Div(1.0L, product);
}

}  // namespace calcorix
