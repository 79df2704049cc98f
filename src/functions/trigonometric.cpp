#include "functions/trigonometric.hpp"

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "arith/math_steps.hpp"
#include "settings/settings.hpp"

namespace calcorix {

long double ToRadians(long double x) {
  switch (settings.angleUnit) {
    case AngleUnit::Degrees:
      return Div(Mul(x, kPi), 180);
    case AngleUnit::Grads:
      return Div(Mul(x, kPi), 200);
    case AngleUnit::Radians:
      break;
  }
  return x;
}

long double FromRadians(long double v) {
  switch (settings.angleUnit) {
    case AngleUnit::Degrees:
      return Div(Mul(v, 180), kPi);
    case AngleUnit::Grads:
      return Div(Mul(v, 200), kPi);
    case AngleUnit::Radians:
      break;
  }
  return v;
}

long double SIN(long double x) {
  return steps::Sine(ToRadians(x));
}

long double COS(long double x) {
  return steps::Cosine(ToRadians(x));
}

long double TAN(long double x) {
  const long double r = ToRadians(x);
  const long double sine = steps::Sine(r);
  return Div(sine, steps::Cosine(r));
}

long double COT(long double x) {
  const long double r = ToRadians(x);
  const long double cosine = steps::Cosine(r);
  return Div(cosine, steps::Sine(r));
}

long double SEC(long double x) {
  return Div(1, steps::Cosine(ToRadians(x)));
}

long double CSC(long double x) {
  return Div(1, steps::Sine(ToRadians(x)));
}

// The principal value comes straight from the library: the arctangent forms (x / sqrt(1 - x*x))
// divide by zero at ASIN(1) and ACOS(0) and give ACOS of a negative argument in the wrong quadrant.
long double ASIN(long double x) {
  return FromRadians(steps::ArcSine(x));
}

long double ACOS(long double x) {
  return FromRadians(steps::ArcCosine(x));
}

long double ATAN(long double x) {
  return FromRadians(steps::ArcTangent(x));
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
