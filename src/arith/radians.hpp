#pragma once

// Radian angles of any size taken apart exactly into whole quarter turns and a rest, for C
// libraries whose sine and cosine reduce the argument with a short pi (MinGW-w64's sinl uses the
// x87 fprem1, with 66 bits of pi): past a few thousand radians their results lose digits, and
// near the multiples of pi all of them. glibc reduces exactly itself (kLibraryIsAccurate).

namespace calcorix {

// x = (4k + quadrant) * pi/2 + high + low for a whole k, with |high + low| at most about pi/4 and
// |low| at most an ulp of high: the rest to about 120 bits, from the bits of 2/pi that the
// magnitude of x needs (Payne and Hanek's method), in integer arithmetic. |x| up to pi/4 comes back
// as it is (quadrant 0, low 0). x must be finite.
struct QuarterTurns {
  int quadrant = 0;
  long double high = 0;
  long double low = 0;
};
QuarterTurns ReduceRadians(long double x);

}  // namespace calcorix
