#include "functions/elementary.hpp"

#include <math.h>

#include "arith/checked.hpp"
#include "arith/math_steps.hpp"
#include "arith/round_half_even.hpp"

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

long double RND(long double x) {
  return static_cast<long double>(RoundHalfEven(x));
}

}  // namespace calcorix
