#pragma once

#include "calcorix/choices.hpp"

// The angle conversion and the trigonometric functions. SIN, COS, TAN, COT, SEC and CSC take their
// argument in the given angle unit; ASIN, ACOS and ATAN take a plain number and give their result
// in that unit; GRAD, RAD and SI always work in radians. Every step runs in 80-bit in the order
// written, through the checked arithmetic.

namespace calcorix {

// x in the angle unit, as radians: Degrees (x * pi) / 180, Grads (x * pi) / 200, Radians x, with
// pi the 80-bit kPi. Errors: EOverflow when x * pi exceeds the 80-bit range (never for the rests
// of at most 50 grads that the forward functions convert).
long double ToRadians(long double x, AngleUnit unit);

// v radians in the angle unit: Degrees (v * 180) / pi, Grads (v * 200) / pi, Radians v.
// Errors: none for the results of ASIN, ACOS, ATAN (|v| <= pi).
long double FromRadians(long double v, AngleUnit unit);

// The forward functions take x in the angle unit. Radians: sin(x), cos(x) and the quotients below,
// straight from the library. Degrees and Grads: x is first reduced exactly to a whole number q of
// quarter turns (90 degrees, 100 grads; the nearest, ties to even) and a rest of at most half a
// quarter turn; only the rest goes through ToRadians, and the symmetry of the q-th quadrant gives
// the result. So every finite x has a value (SIN(1E300) in Degrees is the sine of 1E300 modulo 360
// degrees), a non-zero whole number of quarter turns gives exactly 0 (positive), 1 or -1, and up to
// 45 degrees or 50 grads the results are those of converting x directly. x = -0 keeps its sign
// (SIN(-0) is -0).
//
// SIN and COS: the sine and the cosine. Errors: none.
long double SIN(long double x, AngleUnit unit);
long double COS(long double x, AngleUnit unit);

// sine / cosine. Errors: EDivByZero at an odd number of quarter turns in Degrees and Grads
// (TAN(90) in Degrees). In Radians no 80-bit x gives a cosine of 0, so TAN(PI/2) is large and
// finite.
long double TAN(long double x, AngleUnit unit);

// cosine / sine. Errors: EDivByZero at an even number of quarter turns in Degrees and Grads
// (COT(180) in Degrees), and at x = 0 in every unit.
long double COT(long double x, AngleUnit unit);

// 1 / cosine. Errors: EDivByZero at an odd number of quarter turns in Degrees and Grads.
long double SEC(long double x, AngleUnit unit);

// 1 / sine. Errors: EDivByZero at an even number of quarter turns in Degrees and Grads (CSC(360)),
// and at x = 0 in every unit.
long double CSC(long double x, AngleUnit unit);

// Principal values of the inverse functions, converted by FromRadians: ASIN in [-90, 90] degrees,
// ACOS in [0, 180], ATAN in (-90, 90). Errors: EInvalidOp for ASIN and ACOS when |x| > 1.
long double ASIN(long double x, AngleUnit unit);
long double ACOS(long double x, AngleUnit unit);
long double ATAN(long double x, AngleUnit unit);

// (200 * x) / pi and (180 * x) / pi: the angle x in radians as grads and as degrees, whatever the
// angle unit. Errors: EOverflow when 200 * x or 180 * x exceeds the 80-bit range.
long double GRAD(long double x);
long double RAD(long double x);

// sin(x) / x with x in radians whatever the angle unit. Errors: EInvalidOp for SI(0) (0 / 0).
long double SI(long double x);

}  // namespace calcorix
