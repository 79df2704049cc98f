#include "graph/ticks.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "output/number_format.hpp"

namespace calcorix {
namespace {

constexpr int kMultipliers[] = {1, 2, 5};
// More values than any axis can show: a step this fine is not looked at.
constexpr long double kMostValues = 1000;
// A loose axis may be at most this much wider than the values.
constexpr long double kMostWidening = 1.2L;

struct Step {
  int multiplier = 0;
  int exponent = 0;
  long double size = 0;
  long double first = 0, last = 0;  // the multiples of size on the axis
};

// The exponent of 10 at or below span / wanted; the span may be too wide for a long double.
int RoughExponent(long double low, long double high, int wanted) {
  const long double span = high - low;
  const long double log =
      std::isfinite(span) ? std::log10(span) : std::log10(high / 2 - low / 2) + std::log10(2.0L);
  return static_cast<int>(std::floor(log - std::log10(static_cast<long double>(wanted))));
}

// n * step, with the power of ten as a divisor for negative exponents, so that 3 * 0.1 is the long
// double nearest to 0.3 rather than three times the one nearest to 0.1.
long double Multiple(long double n, const Step& step) {
  const long double whole = n * step.multiplier;
  if (step.exponent < 0) {
    const long double divisor = std::pow(10.0L, -step.exponent);
    if (std::isfinite(divisor)) return whole / divisor + 0.0L;
  }
  return whole * std::pow(10.0L, step.exponent) + 0.0L;
}

}  // namespace

std::vector<long double> ChooseTicks(long double low, long double high, int wanted, bool loose) {
  if (wanted < 1) wanted = 1;
  const int rough = RoughExponent(low, high, wanted);
  Step best;
  long double bestMiss = 0;
  const auto consider = [&](const Step& step) {
    const long double count = step.last - step.first + 1;
    if (!(count >= 1) || count > kMostValues) return;
    const long double miss = std::fabs(count - wanted);
    // Steps come in increasing size, loose before tight: "not worse" prefers the larger step,
    // and a loose axis over a tight one of the same step.
    if (best.multiplier == 0 || miss < bestMiss || (miss == bestMiss && step.size > best.size))
      best = step, bestMiss = miss;
  };
  for (int exponent = rough - 1; exponent <= rough + 1; ++exponent) {
    for (int multiplier : kMultipliers) {
      Step step{multiplier, exponent, multiplier * std::pow(10.0L, exponent)};
      if (!(step.size > 0) || !std::isfinite(step.size)) continue;
      const long double from = low / step.size, to = high / step.size;
      step.first = std::floor(from);
      step.last = std::ceil(to);
      if (loose && step.last - step.first <= kMostWidening * (to - from)) consider(step);
      step.first = std::ceil(from);
      step.last = std::floor(to);
      consider(step);
    }
  }
  std::vector<long double> ticks;
  if (best.multiplier == 0) return ticks;
  // Counted apart from n: near 2^64 an increment of n may round away.
  const auto count = static_cast<int>(best.last - best.first + 1);
  for (int i = 0; i < count; ++i) {
    const long double tick = Multiple(best.first + i, best);
    // Rounding may carry a multiple onto the one before it; beyond the 80-bit range a loose end
    // is left out.
    if (!std::isfinite(tick) || (!ticks.empty() && tick <= ticks.back())) continue;
    ticks.push_back(tick);
  }
  return ticks;
}

std::string NumberText(long double value, char separator) {
  // Only a loop handed over by an embedding program can hold such a value.
  if (!std::isfinite(value)) return "?";
  return FormatGeneral(value, 16, 1, separator);
}

std::vector<AxisLabel> AxisLabels(long double low, long double high, int wanted, char separator,
                                  bool loose) {
  std::vector<AxisLabel> labels;
  for (long double tick : ChooseTicks(low, high, wanted, loose)) {
    std::string text = NumberText(tick, separator);
    if (labels.empty() || labels.back().text != text) labels.push_back({tick, std::move(text)});
  }
  return labels;
}

Span LooseSpan(const Span& span, const std::vector<AxisLabel>& labels) {
  if (labels.empty()) return span;
  return {std::min(span.low, labels.front().value), std::max(span.high, labels.back().value)};
}

}  // namespace calcorix
