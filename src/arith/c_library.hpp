#pragma once

#include <math.h>  // the C library meant below; glibc's headers define __GLIBC__

// Whether the C library's long double functions can be taken as they are. glibc's reduce radian
// arguments exactly and stay within about an ulp over their whole domains. MinGW-w64's do not:
// sinl and cosl reduce with 66 bits of pi, powl is thousands of ulps off near the ends of the
// range, asinl and acosl up to 10^8 ulps near 1 and -1. Where this is false, the steps compute
// those cases themselves (ReduceRadians, WholePower, the half-angle forms in math_steps).

namespace calcorix {

#if defined(__GLIBC__)
inline constexpr bool kLibraryIsAccurate = true;
#else
inline constexpr bool kLibraryIsAccurate = false;
#endif

}  // namespace calcorix
