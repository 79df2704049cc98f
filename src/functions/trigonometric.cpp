#include "functions/trigonometric.hpp"

#include <math.h>

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

namespace {

// An angle taken apart into whole quarter turns and what is left of it. A forward function never
// converts its whole argument: x * pi would round away the digits of a large x, and the 80-bit pi,
// 1.6E-18 above the true one, would put a right angle just off the axis (cos 90 degrees about
// -7.8E-19). Only the rest, at most an eighth of a turn, goes through ToRadians; the quarter turns
// are applied by symmetry, exactly.
struct ReducedAngle {
  int quadrant = 0;         // the whole quarter turns, modulo 4
  long double radians = 0;  // the rest, in radians
  bool onAxis = false;      // a non-zero whole number of quarter turns: no rest at all
};

// Degrees and Grads: fmodl leaves r, x modulo a full turn, exactly. q, the nearest whole number
// of quarter turns in r (ties to even), comes off exactly as well: when q is not 0, r and
// q * quarter are within a factor of two of each other. With q = 0 the rest is r itself, so up to
// an eighth of a turn the argument is converted as it always was, bit for bit, signed zero
// included. Radians: x as it is, in quadrant 0.
ReducedAngle Reduce(long double x, AngleUnit unit) {
  if (unit == AngleUnit::Radians) return {0, x, false};
  const bool degrees = unit == AngleUnit::Degrees;
  const long double quarter = degrees ? 90 : 100;
  const long double r = steps::Remainder(x, degrees ? 360 : 400);
  const long double q = rintl(Div(r, quarter));
  const long double rest = q == 0 ? r : Sub(r, Mul(q, quarter));
  ReducedAngle angle;
  // q lies in -4 ... 4; in two's complement "& 3" is its residue modulo 4 for negative q too.
  angle.quadrant = static_cast<int>(q) & 3;
  angle.onAxis = rest == 0 && x != 0;
  angle.radians = ToRadians(rest, unit);
  return angle;
}

// sin of quadrant * quarter turn + rest. On an axis the values are exact, and the zero positive
// (a plain negation of sin(+0) would give -0 at 180 degrees).
long double SineOf(const ReducedAngle& angle) {
  if (angle.onAxis) return angle.quadrant == 1 ? 1 : angle.quadrant == 3 ? -1 : 0;
  switch (angle.quadrant) {
    case 0:
      return steps::Sine(angle.radians);
    case 1:
      return steps::Cosine(angle.radians);
    case 2:
      return -steps::Sine(angle.radians);
    default:
      return -steps::Cosine(angle.radians);
  }
}

// cos t = sin(t + a quarter turn).
long double CosineOf(const ReducedAngle& angle) {
  return SineOf({(angle.quadrant + 1) & 3, angle.radians, angle.onAxis});
}

}  // namespace

long double SIN(long double x, AngleUnit unit) {
  return SineOf(Reduce(x, unit));
}

long double COS(long double x, AngleUnit unit) {
  return CosineOf(Reduce(x, unit));
}

// On an axis the quotients are 0 / (+-1), where a -1 would make the zero negative, or
// +-1 / 0, the division by zero.
long double TAN(long double x, AngleUnit unit) {
  const ReducedAngle angle = Reduce(x, unit);
  const long double sine = SineOf(angle);
  if (angle.onAxis && sine == 0) return 0;
  return Div(sine, CosineOf(angle));
}

long double COT(long double x, AngleUnit unit) {
  const ReducedAngle angle = Reduce(x, unit);
  const long double cosine = CosineOf(angle);
  if (angle.onAxis && cosine == 0) return 0;
  return Div(cosine, SineOf(angle));
}

long double SEC(long double x, AngleUnit unit) {
  return Div(1, CosineOf(Reduce(x, unit)));
}

long double CSC(long double x, AngleUnit unit) {
  return Div(1, SineOf(Reduce(x, unit)));
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
