#pragma once

#include <string>

// The Scientific result format: a mantissa and a decimal exponent that is a multiple of 3.

namespace calcorix {

// e^(y * ln 10) in 80-bit arithmetic: close to 10^y but not exact, its relative error growing
// with |y|. Errors: EOverflow when the result passes the 80-bit range (y above about 4932).
long double Power10(long double y);

// x as mantissa and exponent, "12.345678E+03", "31.6E-03", "-0E+00". The exponent 3q comes from
// q = ln|x| / L1000 truncated (|x| >= 1) or rounded half to even (|x| < 1), and is never corrected
// afterwards; the mantissa is x / Power10(3q), written by FormatGeneral(m, 15, 0) when
// decimalPlaces is 16, else by FormatFixed(m, decimalPlaces), with `separator` as the point.
// Errors: none for finite x (the checked steps cannot trap on them); EInvalidOp for an infinity or
// NaN.
std::string ScientificText(long double x, int decimalPlaces, char separator = '.');

}  // namespace calcorix
