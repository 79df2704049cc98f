#include "functions/hyperbolic.hpp"

#include <math.h>

#include "arith/checked.hpp"
#include "arith/math_steps.hpp"

namespace calcorix {

long double SINH(long double x) {
  const long double magnitude = fabsl(x);
  if (magnitude > 0 && magnitude < 1) {
    // e^x - e^(-x) cancels: it loses about one digit for every factor of 10 by which |x| lies
    // below 1, and all of them near 1E-19. With E = e^|x| - 1, e^|x| - e^(-|x|) = E + E / (E + 1),
    // a sum of two positive terms.
    const long double grown = steps::ExpMinusOne(magnitude);
    const long double half = Div(Add(grown, Div(grown, Add(grown, 1))), 2);
    return x < 0 ? -half : half;
  }
  const long double growing = steps::Exp(x);
  const long double decaying = steps::Exp(-x);
  return Div(Sub(growing, decaying), 2);
}

long double COSH(long double x) {
  const long double decaying = steps::Exp(-x);
  const long double growing = steps::Exp(x);
  return Div(Add(decaying, growing), 2);
}

namespace {

// From |x| = 64 on, e^(-2|x|) is below 2^-184 and the quotients are 1 in every bit; the formulas
// would still compute e^|x| and overflow beyond about 11356.5.
constexpr long double kSaturated = 64;

}  // namespace

long double TANH(long double x) {
  if (fabsl(x) >= kSaturated) return x < 0 ? -1 : 1;
  const long double sinh = SINH(x);
  return Div(sinh, COSH(x));
}

long double COTH(long double x) {
  if (fabsl(x) >= kSaturated) return x < 0 ? -1 : 1;
  const long double cosh = COSH(x);
  return Div(cosh, SINH(x));
}

long double ASINH(long double x) {
  // For x < 0 the sum x + sqrt(x * x + 1) cancels: from about -1E10 on it is exactly 0 and the
  // logarithm would report a division by zero for a perfectly ordinary argument. The function is
  // odd, so the positive side, where the formula is exact, answers for both.
  if (x < 0) return -ASINH(-x);
  const long double root = steps::SquareRoot(Add(Mul(x, x), 1));
  return steps::Ln(Add(x, root));
}

long double ACOSH(long double x) {
  const long double root = steps::SquareRoot(Sub(Mul(x, x), 1));
  return steps::Ln(Add(x, root));
}

long double ATANH(long double x) {
  const long double numerator = Add(1, x);
  const long double denominator = Sub(1, x);
  return Div(steps::Ln(Div(numerator, denominator)), 2);
}

}  // namespace calcorix
