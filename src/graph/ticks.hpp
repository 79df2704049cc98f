#pragma once

#include <string>
#include <vector>

#include "graph/scale.hpp"

namespace calcorix {

// The labelled values of an axis from low to high (low < high, both finite): the multiples of a
// step of 1, 2 or 5 times a power of ten, for the step whose number of values is nearest `wanted`
// (the larger step on a tie). They lie inside the span; when `loose`, they may instead run from
// the multiple at or below low to the one at or above high, so that the axis can be widened to
// end at labels, if that widens it by at most a fifth (and never beyond the 80-bit range; loose
// wins a tie). Ends of any size in the 80-bit range are fine; a multiple that is 0 is +0. Empty
// only when no step fits the span at all.
std::vector<long double> ChooseTicks(long double low, long double high, int wanted,
                                     bool loose = false);

// A value as the Decimal result format prints it: "0.1", "-1E2171"; "?" when not finite.
std::string NumberText(long double value, char separator);

struct AxisLabel {
  long double value = 0;
  std::string text;
};

// ChooseTicks with their texts. Ticks closer than the 16 digits of a text can tell apart share
// one: only the first of them is kept.
std::vector<AxisLabel> AxisLabels(long double low, long double high, int wanted, char separator,
                                  bool loose = false);

// The span widened to the first and last of the loose labels.
Span LooseSpan(const Span& span, const std::vector<AxisLabel>& labels);

}  // namespace calcorix
