#include "graph/curve.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace calcorix {
namespace {

// Farther than this many interquartile ranges from the quartiles, a value is far from the bulk.
constexpr long double kFence = 3;
// Clipping a side is for a few stray columns: at most one column in this many.
constexpr std::uint64_t kClippedShare = 20;

long double Clamped(long double fraction) {
  return fraction > 1 ? 1 : fraction > 0 ? fraction : 0;
}

}  // namespace

int DrawingColumn(int i, int count, int width) {
  // (i + 1/2) / count of the width, in integers.
  return static_cast<int>((2 * static_cast<std::int64_t>(i) + 1) * width /
                          (2 * static_cast<std::int64_t>(count)));
}

ValueRange ChooseValueRange(std::span<const GraphColumn> columns) {
  std::vector<long double> samples;
  for (const GraphColumn& column : columns) {
    if (column.values == 0) continue;
    samples.push_back(column.min);
    samples.push_back(column.max);
  }
  ValueRange range;
  if (samples.empty()) return range;
  range.any = true;
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  long double low = samples.front(), high = samples.back();
  const long double q1 = samples[(n - 1) / 4], q3 = samples[3 * (n - 1) / 4];
  const long double spread = q3 - q1;
  if (spread > 0 && std::isfinite(spread)) {
    const long double lower = q1 - kFence * spread, upper = q3 + kFence * spread;
    std::uint64_t above = 0, below = 0;
    for (const GraphColumn& column : columns) {
      above += column.values > 0 && column.max > upper;
      below += column.values > 0 && column.min < lower;
    }
    const std::uint64_t filled = n / 2;
    if (above > 0 && above * kClippedShare <= filled) {
      range.clippedAbove = true;
      high = *(std::upper_bound(samples.begin(), samples.end(), upper) - 1);
    }
    if (below > 0 && below * kClippedShare <= filled) {
      range.clippedBelow = true;
      low = *std::lower_bound(samples.begin(), samples.end(), lower);
    }
  }
  range.span = WidenedSpan(low, high);
  return range;
}

bool BreaksCurve(long double a, long double b, const Span& span) {
  const bool opposite = (a < 0 && b > 0) || (a > 0 && b < 0);
  // With opposite signs |a - b| is |a| + |b|; an overflow to infinity still compares right.
  return opposite && std::fabs(a) + std::fabs(b) > span.high / 2 - span.low / 2;
}

std::vector<CurveVertex> TraceCurve(std::span<const GraphColumn> columns, int width,
                                    const ValueRange& range) {
  std::vector<CurveVertex> vertices;
  struct Run {
    int column;
    long double first, least, greatest, last;
    bool starts;
  };
  Run run{};
  bool open = false;  // whether run holds the drawing column being gathered
  const auto finish = [&vertices, &run, &open] {
    bool starts = run.starts;
    for (long double fraction : {run.first, run.least, run.greatest, run.last}) {
      if (!starts && vertices.back().column == run.column && vertices.back().fraction == fraction)
        continue;
      vertices.push_back({run.column, fraction, starts});
      starts = false;
    }
    open = false;
  };
  const auto count = static_cast<int>(columns.size());
  const GraphColumn* before = nullptr;
  for (int i = 0; i < count; ++i) {
    const GraphColumn& column = columns[static_cast<std::size_t>(i)];
    if (column.values == 0) continue;
    const bool starts =
        before == nullptr || column.gapLeft || BreaksCurve(before->right, column.left, range.span);
    const int at = DrawingColumn(i, count, width);
    if (open && (starts || run.column != at)) finish();
    const long double least = Clamped(Fraction(column.min, range.span));
    const long double greatest = Clamped(Fraction(column.max, range.span));
    const long double right = Clamped(Fraction(column.right, range.span));
    if (open) {
      run.least = std::min(run.least, least);
      run.greatest = std::max(run.greatest, greatest);
      run.last = right;
    } else {
      run = Run{at, Clamped(Fraction(column.left, range.span)), least, greatest, right, starts};
      open = true;
    }
    before = &column;
  }
  if (open) finish();
  return vertices;
}

Clipped FindClipped(std::span<const GraphColumn> columns, int width, const ValueRange& range) {
  Clipped clipped{std::vector<bool>(static_cast<std::size_t>(width)),
                  std::vector<bool>(static_cast<std::size_t>(width))};
  const auto count = static_cast<int>(columns.size());
  for (int i = 0; i < count; ++i) {
    const GraphColumn& column = columns[static_cast<std::size_t>(i)];
    if (column.values == 0) continue;
    const auto at = static_cast<std::size_t>(DrawingColumn(i, count, width));
    if (column.max > range.span.high) clipped.above[at] = true;
    if (column.min < range.span.low) clipped.below[at] = true;
  }
  return clipped;
}

}  // namespace calcorix
