#pragma once

// Placing 80-bit values on an axis. The values may lie anywhere in the 80-bit range, far beyond
// `double`, so the arithmetic stays in long double until a place is a small number of cells.

namespace calcorix {

struct Span {
  long double low = 0;
  long double high = 1;  // always above low
};

// [low, high] when low < high. A single value v becomes v - |v|/2 .. v + |v|/2 (-1 .. 1 around
// 0), without passing the 80-bit range; ends that are not finite give -1 .. 1.
Span WidenedSpan(long double low, long double high);

// Where v lies from low (0) to high (1); beyond them below 0 or above 1, possibly infinite but
// never NaN for finite arguments with low < high.
long double Fraction(long double v, long double low, long double high);
inline long double Fraction(long double v, Span span) {
  return Fraction(v, span.low, span.high);
}

// Which of `count` equal cells from 0 to 1 the fraction falls in, clamped to 0 .. count - 1.
int CellOf(long double fraction, int count);

// The nearest of `count` places from 0 (fraction 0) to count - 1 (fraction 1), clamped.
int PlaceOf(long double fraction, int count);

}  // namespace calcorix
