#include "functions/elementary.hpp"

#include <math.h>

#include "engine/checked.hpp"
#include "functions/math_steps.hpp"

namespace calcorix {

long double ABS(long double x) {
  return fabsl(x);
}

long double SQR(long double x) {
  return Mul(x, x);
}

long double CUB(long double x) {
  return Mul(Mul(x, x), x);
}

long double SQRT(long double x) {
  return steps::SquareRoot(x);
}

long double SGN(long double x) {
  return x >= 0 ? 1 : -1;
}

long double INT(long double x) {
  return truncl(x);
}

long double FRAC(long double x) {
  return Sub(x, INT(x));
}

std::int64_t RoundToInt64(long double x) {
  // llrintl rounds in the unit's mode (to nearest, ties to even) and, out of range, raises the
  // invalid-operation flag and answers the "integer indefinite" 0x8000000000000000, so the
  // conversion itself is never undefined. A result that Checked lets through is an exact int64
  // value, which converts back without loss.
  const long double n =
      Checked([](long double v) { return static_cast<long double>(llrintl(v)); }, x);
  return static_cast<std::int64_t>(n);
}

long double RND(long double x) {
  return static_cast<long double>(RoundToInt64(x));
}

}  // namespace calcorix
