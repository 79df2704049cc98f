#include "functions/trigonometric.hpp"

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "arith/math_steps.hpp"

namespace calcorix {

long double ToRadians(long double x, AngleUnit unit) {
  switch (unit) {
    case AngleUnit::Degrees:
      return Div(Mul(x, kPi), 180);
    case AngleUnit::Grads:
      return Div(Mul(x, kPi), 200);
    case AngleUnit::Radians:
      break;
  }
  return x;
}

long double FromRadians(long double v, AngleUnit unit) {
  switch (unit) {
    case AngleUnit::Degrees:
      return Div(Mul(v, 180), kPi);
    case AngleUnit::Grads:
      return Div(Mul(v, 200), kPi);
    case AngleUnit::Radians:
      break;
  }
  return v;
}

long double SIN(long double x, AngleUnit unit) {
  return steps::Sine(ToRadians(x, unit));
}

long double COS(long double x, AngleUnit unit) {
  return steps::Cosine(ToRadians(x, unit));
}

long double TAN(long double x, AngleUnit unit) {
  const long double r = ToRadians(x, unit);
  const long double sine = steps::Sine(r);
  return Div(sine, steps::Cosine(r));
}

long double COT(long double x, AngleUnit unit) {
  const long double r = ToRadians(x, unit);
  const long double cosine = steps::Cosine(r);
  return Div(cosine, steps::Sine(r));
}

long double SEC(long double x, AngleUnit unit) {
  return Div(1, steps::Cosine(ToRadians(x, unit)));
}

long double CSC(long double x, AngleUnit unit) {
  return Div(1, steps::Sine(ToRadians(x, unit)));
}

// The principal value comes straight from the library: the arctangent forms (x / sqrt(1 - x*x))
// divide by zero at ASIN(1) and ACOS(0) and give ACOS of a negative argument in the wrong quadrant.
long double ASIN(long double x, AngleUnit unit) {
  return FromRadians(steps::ArcSine(x), unit);
}

long double ACOS(long double x, AngleUnit unit) {
  return FromRadians(steps::ArcCosine(x), unit);
}

long double ATAN(long double x, AngleUnit unit) {
  return FromRadians(steps::ArcTangent(x), unit);
}

long double GRAD(long double x) {
  return Div(Mul(200, x), kPi);
}

long double RAD(long double x) {
  return Div(Mul(180, x), kPi);
}

long double SI(long double x) {
  return Div(steps::Sine(x), x);
}

}  // namespace calcorix
