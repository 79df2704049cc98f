#pragma once

#include <optional>
#include <string_view>

namespace calcorix {

// A real number typed by the user (the start, step and end of the loop switch), as the 80-bit
// value nearest to the decimal text (NearestValue). Blanks and control characters around it are
// ignored; the first `separator` (the locale's decimal symbol) is read as a point and "." is always
// accepted; what remains must be, as a whole, [+|-] digits [. digits] [(E|e) [+|-] digits], with at
// least one digit before the exponent ("5." and ".5" are numbers, "." is not). "inf", "nan" and
// hexadecimal are not numbers.
// Gives nothing for a text that is not a number, and for a non-zero number whose magnitude lies
// beyond the range of normal 80-bit values, above 1.19E4932 or below 3.36E-4932; a loop step that
// silently became 0 would loop for ever. Raises nothing.
std::optional<long double> ReadRealNumber(std::string_view text, char separator);

}  // namespace calcorix
