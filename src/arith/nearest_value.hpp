#pragma once

#include <optional>
#include <string_view>

// Decimal texts to 80-bit values, correctly rounded: the inverse of the exact decimal digits, in
// integer arithmetic alone, so that no C library's reading (some round through double) and no
// arithmetic flag has a say.

namespace calcorix {

// The 80-bit value nearest to digits * 10^exponent (ties to the even significand), with the sign
// given; `digits` holds only "0" to "9" (any number of them, leading zeros allowed; none is 0).
// Rounded as if the exponent range were unbounded: gives nothing for a non-zero value that then
// lies beyond the largest finite 80-bit number or below the smallest normal one (denormals are
// refused too, since their digits are not all there). Zero keeps its sign.
// Exact for texts of up to 800 significant digits; beyond, the further digits count only as zero
// or not zero. Raises nothing.
std::optional<long double> NearestValue(bool negative, std::string_view digits, long long exponent);

}  // namespace calcorix
