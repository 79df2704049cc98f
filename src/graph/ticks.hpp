#pragma once

#include <string>
#include <vector>

namespace calcorix {

// The labelled values of an axis from low to high (low < high, both finite): every multiple of a
// step of 1, 2 or 5 times a power of ten that lies inside, for the step whose number of values is
// nearest `wanted` (the larger step on a tie). Ends of any size in the 80-bit range are fine; a
// multiple that is 0 is +0. Empty only when no step fits the span at all.
std::vector<long double> ChooseTicks(long double low, long double high, int wanted);

// A finite value as the Decimal result format prints it: "0.1", "-1E2171".
std::string NumberText(long double value, char separator);

struct AxisLabel {
  long double value = 0;
  std::string text;
};

// ChooseTicks with their texts. Ticks closer than the 16 digits of a text can tell apart share
// one: only the first of them is kept.
std::vector<AxisLabel> AxisLabels(long double low, long double high, int wanted, char separator);

}  // namespace calcorix
