#pragma once

#include <math.h>

#include "arith/c_library.hpp"
#include "arith/checked.hpp"
#include "arith/radians.hpp"
#include "arith/whole_power.hpp"

// The C library's long double functions as checked steps of a formula. Each is one step: its
// flags, raised in the x87 status word or, for some special cases (logl(0), sqrtl(-1)), in MXCSR,
// or its infinite or NaN result, become EInvalidOp / EDivByZero / EOverflow right here, before the
// next step runs. Arguments outside a function's domain are refused before the call, so that the
// kind of error never depends on how a library answers them.

namespace calcorix::steps {

// e^x. Errors: EOverflow beyond about x = 11356.5.
inline long double Exp(long double x) {
  const auto exp = [](long double v) { return expl(v); };
  const long double result = Checked(exp, x);
  // Where e^x is a denormal (x from about -11355 down to -11399.5), MinGW-w64's expl gives 0. As
  // e^(x - h) * e^h, with h the whole half of x, two normal factors (x - h is exact), the product
  // is rounded into the denormal once. glibc gives 0 only below -11399.5, where the product does
  // too.
  constexpr long double kBelowTheSmallestDenormal = -11400;
  if (result != 0 || x < kBelowTheSmallestDenormal) return result;
  const long double half = truncl(x / 2);
  return Mul(Checked(exp, x - half), Checked(exp, half));
}

// e^x - 1 without the cancellation of Exp(x) - 1 near 0.
inline long double ExpMinusOne(long double x) {
  return Checked([](long double v) { return expm1l(v); }, x);
}

// base^exponent as the library computes it in one step, correctly signed for a negative base with
// a whole exponent; a whole exponent by WholePower where the library's powl is not accurate.
inline long double Power(long double base, long double exponent) {
  if constexpr (!kLibraryIsAccurate) {
    constexpr long double kWholeLimit = 0x1p62L;
    if (base != 0 && truncl(exponent) == exponent && fabsl(exponent) < kWholeLimit) {
      return Checked([](long double b, long double e) { return WholePower(b, llroundl(e)); }, base,
                     exponent);
    }
  }
  return Checked([](long double b, long double e) { return powl(b, e); }, base, exponent);
}

// x - n * divisor for the whole n that truncates x / divisor: exact, whatever the magnitude of x.
inline long double Remainder(long double x, long double divisor) {
  return Checked([](long double v, long double d) { return fmodl(v, d); }, x, divisor);
}

// Errors: EDivByZero for x = 0 (either sign), EInvalidOp for x < 0.
inline long double Ln(long double x) {
  if (x == 0) throw EDivByZero();
  if (x < 0) throw EInvalidOp();
  return Checked([](long double v) { return logl(v); }, x);
}

// Errors: EInvalidOp for x < 0 (sqrt(-0) is -0).
inline long double SquareRoot(long double x) {
  if (x < 0) throw EInvalidOp();
  return Checked([](long double v) { return sqrtl(v); }, x);
}

// The sine of (4k + quadrant) * pi/2 + high + low: the library's kernel at high, and low to first
// order (sin(h + l) = sin h + l cos h, cos(h + l) = cos h - l sin h, to within l * l).
inline long double SineOfTurns(const QuarterTurns& turns) {
  const long double high = turns.high;
  const auto sine = [](long double v) { return sinl(v); };
  const auto cosine = [](long double v) { return cosl(v); };
  if (turns.low == 0) {
    // Only one of the two is needed, and sin(-0) must stay -0.
    const bool odd = (turns.quadrant & 1) != 0;
    const long double value = odd ? Checked(cosine, high) : Checked(sine, high);
    return turns.quadrant >= 2 ? -value : value;
  }
  const long double s = Checked(sine, high);
  const long double c = Checked(cosine, high);
  switch (turns.quadrant) {
    case 0:
      return Add(s, Mul(turns.low, c));
    case 1:
      return Sub(c, Mul(turns.low, s));
    case 2:
      return -Add(s, Mul(turns.low, c));
    default:
      return -Sub(c, Mul(turns.low, s));
  }
}

// sin x and cos x for x in radians, of any size: reduced exactly, by the library where it does so
// (kLibraryIsAccurate), else by ReduceRadians.
inline long double Sine(long double x) {
  if constexpr (kLibraryIsAccurate) {
    return Checked([](long double v) { return sinl(v); }, x);
  } else {
    return SineOfTurns(ReduceRadians(x));
  }
}

inline long double Cosine(long double x) {
  if constexpr (kLibraryIsAccurate) {
    return Checked([](long double v) { return cosl(v); }, x);
  } else {
    QuarterTurns turns = ReduceRadians(x);
    turns.quadrant = (turns.quadrant + 1) & 3;
    return SineOfTurns(turns);
  }
}

// pi/2 and pi as the nearest 80-bit value and the rest, for sums that keep every bit.
inline constexpr long double kHalfPiHigh = 0xC90FDAA22168C235p-63L;
inline constexpr long double kHalfPiLow = -0xECE675D1FC8F8CBBp-129L;
inline constexpr long double kPiHigh = 0xC90FDAA22168C235p-62L;
inline constexpr long double kPiLow = -0xECE675D1FC8F8CBBp-128L;

// asin of sqrt((1 - |x|) / 2), the half angle of acos |x| for 1/2 < |x| <= 1: 1 - |x| is exact
// there, so no digit is lost to the cancellation near 1 that the library suffers
// (kLibraryIsAccurate).
inline long double HalfAngle(long double x) {
  const long double rest = Div(Sub(1, fabsl(x)), 2);
  return Checked([](long double v) { return asinl(v); }, SquareRoot(rest));
}

// Errors: EInvalidOp for |x| > 1.
inline long double ArcSine(long double x) {
  if (x > 1 || x < -1) throw EInvalidOp();
  if constexpr (!kLibraryIsAccurate) {
    if (x > 0.5L || x < -0.5L) {
      // asin |x| = pi/2 - 2 * asin sqrt((1 - |x|) / 2)
      const long double value = Add(Sub(kHalfPiHigh, Mul(2, HalfAngle(x))), kHalfPiLow);
      return x < 0 ? -value : value;
    }
  }
  return Checked([](long double v) { return asinl(v); }, x);
}

// Errors: EInvalidOp for |x| > 1.
inline long double ArcCosine(long double x) {
  if (x > 1 || x < -1) throw EInvalidOp();
  if constexpr (!kLibraryIsAccurate) {
    // acos x = 2 * asin sqrt((1 - x) / 2), and pi minus that of -x.
    if (x > 0.5L) return Mul(2, HalfAngle(x));
    if (x < -0.5L) return Add(Sub(kPiHigh, Mul(2, HalfAngle(x))), kPiLow);
  }
  return Checked([](long double v) { return acosl(v); }, x);
}

inline long double ArcTangent(long double x) {
  return Checked([](long double v) { return atanl(v); }, x);
}

}  // namespace calcorix::steps
