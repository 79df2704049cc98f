#pragma once

#include <span>
#include <vector>

#include "calcorix/graph.hpp"
#include "graph/scale.hpp"

// What every drawing does alike: the range of values it shows and the pieces of the curve
// through them, in columns of the drawing's width.

namespace calcorix {

// The column of a drawing `width` columns wide that column i of a series of `count` falls in:
// the one that holds its middle.
int DrawingColumn(int i, int count, int width);

struct ValueRange {
  Span span;         // the values drawn, from the frame's bottom to its top
  bool any = false;  // some pass gave a value
  // Some values lie beyond the span and are drawn at the frame.
  bool clippedAbove = false, clippedBelow = false;
};

// From the least to the greatest value. When at most one column in 20 on a side holds values
// beyond three interquartile ranges from the quartiles of all the columns' least and greatest
// values, that side stops at the farthest value within; a flat bulk (no interquartile range)
// clips nothing.
ValueRange ChooseValueRange(std::span<const GraphColumn> columns);

// Neighbouring values a and b of the curve are not joined when they have opposite signs and lie
// more than half the span apart: a pole (tan at 90 degrees, 1/x at 0) or a step.
bool BreaksCurve(long double a, long double b, const Span& span);

struct CurveVertex {
  int column = 0;            // of the drawing
  long double fraction = 0;  // from the bottom (0) to the top (1) of the frame, clamped
  bool startsPiece = false;  // not joined to the vertex before
};

// The curve through the series' columns, in a drawing `width` columns wide. Each run of joined
// values in one drawing column gives its first, least, greatest and last value (repeats left
// out); a run is joined to the one before unless an error or a jump that BreaksCurve lies between.
std::vector<CurveVertex> TraceCurve(std::span<const GraphColumn> columns, int width,
                                    const ValueRange& range);

// The drawing columns that hold values beyond the range, above and below.
struct Clipped {
  std::vector<bool> above, below;
};
Clipped FindClipped(std::span<const GraphColumn> columns, int width, const ValueRange& range);

}  // namespace calcorix
