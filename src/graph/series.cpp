#include <algorithm>
#include <cmath>

#include "calcorix/graph.hpp"
#include "graph/scale.hpp"

namespace calcorix {
namespace {

constexpr int kMostColumns = 65536;

}  // namespace

GraphSeries::GraphSeries(LoopRange loop, int columns, std::uint64_t passLimit)
    : loop_(loop),
      columns_(static_cast<std::size_t>(std::clamp(columns, 1, kMostColumns))),
      passLimit_(passLimit) {
  const Span span = WidenedSpan(std::min(loop.start, loop.end), std::max(loop.start, loop.end));
  lowLi_ = span.low;
  highLi_ = span.high;
}

bool GraphSeries::Take() {
  if (Full()) {
    stopped_ = true;
    return false;
  }
  ++passes_;
  return true;
}

void GraphSeries::NoteError(long double li, PassError error) {
  errorSinceValue_ = true;
  if (listed_ < kListedErrors && std::isfinite(li)) firstErrors_[listed_++] = {li, error};
  if (!std::isfinite(li)) return;
  const auto at = static_cast<std::size_t>(
      CellOf(Fraction(li, lowLi_, highLi_), static_cast<int>(columns_.size())));
  ++columns_[at].errors;
}

bool GraphSeries::AddError(long double li, PassError error) {
  if (!Take()) return false;
  NoteError(li, error);
  return true;
}

bool GraphSeries::AddValue(long double li, long double value) {
  if (!Take()) return false;
  if (!std::isfinite(li) || !std::isfinite(value)) {
    NoteError(li, PassError::CalculationError);
    return true;
  }
  const int at = CellOf(Fraction(li, lowLi_, highLi_), static_cast<int>(columns_.size()));
  GraphColumn& column = columns_[static_cast<std::size_t>(at)];
  if (column.values == 0) {
    column.min = column.max = column.left = column.right = value;
    column.leftLi = column.rightLi = li;
  } else {
    column.min = std::min(column.min, value);
    column.max = std::max(column.max, value);
    if (li < column.leftLi) column.left = value, column.leftLi = li;
    if (li >= column.rightLi) column.right = value, column.rightLi = li;
  }
  ++column.values;
  // The curve breaks between this value and the one before it in the loop when an error came
  // between them; the mark goes on the right-hand one of the two columns.
  if (errorSinceValue_ && lastValueColumn_ >= 0 && lastValueColumn_ != at) {
    columns_[static_cast<std::size_t>(std::max(at, lastValueColumn_))].gapLeft = true;
  }
  errorSinceValue_ = false;
  lastValueColumn_ = at;

  if (values_ == 0 || value < min_) min_ = value, minLi_ = li;
  if (values_ == 0 || value > max_) max_ = value, maxLi_ = li;
  ++values_;
  return true;
}

}  // namespace calcorix
