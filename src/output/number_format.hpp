#pragma once

#include <string>

// The decimal texts of a value: the fixed, exponent, general and pattern forms that every printed
// number is made of. All digits are those of the exact 80-bit value, at most 17 significant ones
// (places beyond are written "0"), rounded half away from zero. A "-" is written whenever the sign
// bit is set, so negative zero and negative values that round to zero keep it.
//
// The Format* texts use `separator` as their decimal point; FixedPointText and ExponentText always
// use ".". Every value must be finite.
//
// Errors: none of these raises any.

namespace calcorix {

// The fixed form with f decimals (f above 17 counts as 17): the integer digits, then "." and f
// places when f > 0. Beyond 17 significant digits the places are zeros. When the rounded magnitude
// reaches 1E36 the text is ExponentText(x, 17) instead.
std::string FixedPointText(long double x, int f);

// A sign place (" " or "-"), n significant digits (2...17) with "." after the first, "E", the
// exponent's sign and four exponent digits: ExponentText(1234.5, 5) = " 1.2345E+0003".
std::string ExponentText(long double x, int n);

// FixedPointText(x, min(d, 17)) without the blank sign place of its exponent form.
std::string FormatFixed(long double x, int d, char separator = '.');

// p significant digits (at least 2, at most 17), trailing zeros kept; the exponent loses leading
// zeros down to k digits (k at most 4), and with k = 0 an exponent of 0 disappears with its "E".
std::string FormatExponent(long double x, int p, int k, char separator = '.');

// The shortest of the fixed and exponent forms with p (at most 17) places, without trailing
// zeros: "0.666666666666666", "-1E15", "1.5E-7". The fixed form is cut, not rounded, to p
// characters besides the sign and the point.
std::string FormatGeneral(long double x, int p, int k, char separator = '.');

// The pattern "#.###############E+00": 16 significant digits without trailing zeros and an
// exponent of at least two digits, "6.666666666666667E-01", "1E+300".
std::string FormatExponentPattern(long double x, char separator = '.');

// The pattern "00" for |e| < 10000: two digits at least, the "-" taking one of them (-3 gives
// "-3").
std::string FormatTwoDigits(int e);

}  // namespace calcorix
