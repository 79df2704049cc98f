#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/text.hpp"

// Number texts inside the engine: the characters a number run is made of, reading a number text,
// and writing a value back into an expression. The engine's decimal point is always ".".

namespace calcorix {

// The NumberChars class: "0" to "9", "." and "E" (upper case only: the expression has been
// upper-cased before any pass sees it).
inline bool IsNumberChar(char c) {
  return IsDigit(c) || c == '.' || c == 'E';
}

// The one grammar of number texts, wherever they come from (the engine's texts, the numbers of the
// loop switch): [blanks or tabs] [+|-] digits [. digits] [(E|e) [+|-] digits], with at least one
// digit before or after the point and nothing after the exponent. Found before any arithmetic, so
// that a malformed text is told apart without raising anything, however long its digit run.
struct NumberShape {
  bool negative = false;
  std::size_t digitsBegin = 0;  // digits and at most one "." from here ...
  std::size_t digitsEnd = 0;    // ... to here
  std::size_t fractionDigits = 0;
  bool negativeExponent = false;
  std::size_t exponent = 0;  // saturated far beyond any exponent that could matter
};

// True when the whole text has that shape, which is then described in `shape`.
bool ParseNumberShape(std::string_view text, NumberShape& shape);

// Reads a number text of the form
//   [blanks or tabs] [+|-] digits [. digits] [(E|e) [+|-] digits]
// with at least one digit before or after the point and nothing after the exponent. Any other
// text (the empty text, ".", "E5", "1E", "1.2.3", "1 ") gives 0, silently.
//
// The value is built the one way the calculator has always built it: every digit, integer and
// fraction, accumulated as v = v*10 + digit in 80-bit arithmetic; v divided by 10^k for k fraction
// digits; the sign; then v multiplied (or, for a negative exponent, divided) by 10^|e|, with
// 10^4930 applied first when |e| > 4930. Each 10^n is the one made from 1 by n multiplications by
// 10. Exponents of any length saturate instead of wrapping.
//
// Errors: EOverflow when the accumulated digits, a step of the scaling, or a needed power of ten
// (above 10^4932) leave the 80-bit range; the power of ten counts even when the digits are 0
// ("0E9863"). Tiny results become denormal or 0 without error.
long double TextToNumber(std::string_view text);

// Appends the text that replaces a computed value in an expression:
// - below 1E36 in magnitude after rounding: the integer digits, "." and exactly 15 decimals,
//   rounded half away from zero to 15 decimals or 17 significant digits, whichever keeps fewer;
//   places beyond the 17th significant digit are written as "0";
// - from 1E36 on: one digit, ".", 16 digits, "E+" and the exponent in at least four digits.
// A "-" comes from the sign bit alone, so negative zero and negative values that round to zero
// keep it ("-0.000000000000000").
// Errors: EOverflow for an infinity, EInvalidOp for a NaN (the checked arithmetic never hands
// either on; they are refused rather than written as digits).
void AppendSubstitutedValue(std::string& out, long double x);

// AppendSubstitutedValue into a new text.
std::string FormatSubstitutedValue(long double x);

}  // namespace calcorix
