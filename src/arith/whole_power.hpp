#pragma once

#include <cstdint>

// base^n for a whole n, to within about an ulp at any size, for C libraries whose powl is not:
// MinGW-w64's computes 2^(n * log2 base) with an error that grows with the binary exponent of the
// result, some thousands of ulps near the ends of the 80-bit range. glibc's is within an ulp.

namespace calcorix {

// Repeated squaring in double-length arithmetic (a pair of 80-bit values and a separate binary
// exponent, so nothing overflows on the way), rounded once at the end: within an ulp for normal
// results; a denormal result may be an ulp off, being rounded twice. base must be finite and not
// 0. Beyond the 80-bit range: an infinity of the right sign; below it: a zero of the right sign.
long double WholePower(long double base, std::int64_t n);

}  // namespace calcorix
