#include "graph/scale.hpp"

#include <cmath>

namespace calcorix {

Span WidenedSpan(long double low, long double high) {
  if (!std::isfinite(low) || !std::isfinite(high)) return {-1, 1};
  if (low < high) return {low, high};
  const long double v = low;
  long double half = std::fabs(v) / 2;
  // Halving the least denormal gives 0.
  if (half == 0) half = v == 0 ? 1 : std::fabs(v);
  Span span{v - half, v + half};
  if (!std::isfinite(span.low)) span.low = v;
  if (!std::isfinite(span.high)) span.high = v;
  return span;
}

long double Fraction(long double v, long double low, long double high) {
  const long double width = high - low;
  if (std::isfinite(width)) return (v - low) / width;
  // Ends of opposite signs near the ends of the range: their halves cannot overflow.
  return (v / 2 - low / 2) / (high / 2 - low / 2);
}

int CellOf(long double fraction, int count) {
  if (!(fraction > 0)) return 0;
  if (fraction >= 1) return count - 1;
  const auto cell = static_cast<int>(fraction * count);
  return cell < count ? cell : count - 1;
}

int PlaceOf(long double fraction, int count) {
  if (!(fraction > 0)) return 0;
  if (fraction >= 1) return count - 1;
  return static_cast<int>(std::lround(fraction * (count - 1)));
}

}  // namespace calcorix
