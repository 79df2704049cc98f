#include "calcorix/calculator.hpp"
#include "calcorix/graph.hpp"

namespace calcorix {
namespace {

// Keeps the kind of the last error line of a pass; a pass without one that printed no result
// stopped at its parentheses or its formula.
class PassSink final : public LineSink {
 public:
  void Line(std::string_view, LineKind kind) override {
    if (kind != LineKind::Result) error = PassErrorOf(kind);
  }
  PassError error = PassError::FormulaError;
};

}  // namespace

PassError PassErrorOf(LineKind kind) {
  switch (kind) {
    case LineKind::DivisionByZero:
      return PassError::DivisionByZero;
    case LineKind::CalculationError:
      return PassError::CalculationError;
    case LineKind::Result:
    case LineKind::MissingParentheses:
    case LineKind::FormulaError:
      break;
  }
  return PassError::FormulaError;
}

bool AddPass(GraphSeries& series, Calculator& calculator, std::string_view expression) {
  const long double li = calculator.LoopValue();
  if (series.Full()) {
    series.NoteStop();
    return false;
  }
  PassSink sink;
  if (calculator.Evaluate(expression, sink)) return series.AddValue(li, calculator.Answer());
  return series.AddError(li, sink.error);
}

}  // namespace calcorix
