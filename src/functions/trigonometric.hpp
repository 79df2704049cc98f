#pragma once

#include "calcorix/choices.hpp"

// The angle conversion and the trigonometric functions. SIN, COS, TAN, COT, SEC and CSC take their
// argument in the given angle unit; ASIN, ACOS and ATAN take a plain number and give their result
// in that unit; GRAD, RAD and SI always work in radians. Every step runs in 80-bit in the order
// written, through the checked arithmetic.

namespace calcorix {

// x in the angle unit, as radians: Degrees (x * pi) / 180, Grads (x * pi) / 200, Radians x, with
// pi the 80-bit kPi. Errors: EOverflow when x * pi exceeds the 80-bit range.
long double ToRadians(long double x, AngleUnit unit);

// v radians in the angle unit: Degrees (v * 180) / pi, Grads (v * 200) / pi, Radians v.
// Errors: none for the results of ASIN, ACOS, ATAN (|v| <= pi).
long double FromRadians(long double v, AngleUnit unit);

// sin(r), cos(r) with r = ToRadians(x). Errors: EOverflow from ToRadians.
long double SIN(long double x, AngleUnit unit);
long double COS(long double x, AngleUnit unit);

// sin(r) / cos(r). Errors: EOverflow from ToRadians; EDivByZero only if cos(r) were exactly 0,
// which no 80-bit r gives (TAN(90) in Degrees is a large finite value).
long double TAN(long double x, AngleUnit unit);

// cos(r) / sin(r). Errors: EDivByZero when sin(r) is 0 (COT(0)); EOverflow from ToRadians.
long double COT(long double x, AngleUnit unit);

// 1 / cos(r). Errors: EOverflow from ToRadians.
long double SEC(long double x, AngleUnit unit);

// 1 / sin(r). Errors: EDivByZero when sin(r) is 0 (CSC(0)); EOverflow from ToRadians.
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
