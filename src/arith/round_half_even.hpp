#pragma once

#include <cstdint>

namespace calcorix {

// The nearest integer, ties to the even one (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -2.5 -> -2), as a
// signed 64-bit integer; the conversion of RND, RAN and the integer result formats.
// Errors: EInvalidOp when the rounded value lies outside the signed 64-bit range (and for a value
// that is not finite).
std::int64_t RoundHalfEven(long double x);

}  // namespace calcorix
