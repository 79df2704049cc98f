#include "functions/exponential.hpp"

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "arith/math_steps.hpp"

namespace calcorix {

long double EXP(long double x) {
  return steps::Exp(x);
}

long double EXP10(long double x) {
  return steps::Exp(Mul(kLn10, x));
}

long double POW2(long double x) {
  return steps::Exp(Mul(kLn2, x));
}

long double LN(long double x) {
  return steps::Ln(x);
}

long double LOG(long double x) {
  return Div(steps::Ln(x), kLn10);
}

long double LOG2(long double x) {
  return Div(steps::Ln(x), kLn2);
}

long double DBV(long double x) {
  return Mul(20, Div(steps::Ln(x), kLn10));
}

long double DBW(long double x) {
  return Mul(10, Div(steps::Ln(x), kLn10));
}

long double ADBV(long double x) {
  return EXP10(Div(x, 20));
}

long double ADBW(long double x) {
  return EXP10(Div(x, 10));
}

}  // namespace calcorix
