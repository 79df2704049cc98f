#include "calcorix/calculator.hpp"

#include <utility>

#include "arith/checked.hpp"
#include "base/text.hpp"
#include "output/result_printer.hpp"
#include "session/session.hpp"

namespace calcorix {
namespace {

class CollectingSink final : public LineSink {
 public:
  explicit CollectingSink(std::vector<std::string>& lines) : lines_(lines) {}
  void Line(std::string_view text, LineKind) override { lines_.emplace_back(text); }

 private:
  std::vector<std::string>& lines_;
};

CalculationOutcome Calculate(calcorix::Session& session, std::string_view expression,
                             LineSink& sink) {
  const ArithmeticUnitScope arithmeticUnit;
  session.output = &sink;
  const CalculationOutcome outcome = ResultPrinter(session, CutText(expression));
  session.output = nullptr;
  return outcome;
}

}  // namespace

// The library's calculation session under a name private to the calculator, so that the public
// header declares nothing of it outside the class.
struct Calculator::Session : calcorix::Session {
  using calcorix::Session::Session;
};

Calculator::Calculator(Options options) : session_(std::make_unique<Session>(std::move(options))) {}

Calculator::~Calculator() = default;
Calculator::Calculator(Calculator&&) noexcept = default;
Calculator& Calculator::operator=(Calculator&&) noexcept = default;

Result Calculator::Evaluate(std::string_view expression) {
  Result result;
  CollectingSink sink(result.lines);
  const CalculationOutcome outcome = Calculate(*session_, expression, sink);
  result.ok = outcome.printed;
  if (result.ok) result.value = session_->answerValue;
  result.errorKind = outcome.error;
  result.errorPosition = outcome.errorPosition;
  return result;
}

bool Calculator::Evaluate(std::string_view expression, LineSink& sink) {
  const CalculationOutcome outcome = Calculate(*session_, expression, sink);
  if (outcome.errorPosition) sink.FormulaFault(outcome.error, *outcome.errorPosition);
  return outcome.printed;
}

long double Calculator::Answer() const {
  return session_->answerValue;
}

long double Calculator::Memory() const {
  return session_->memoryValue;
}

void Calculator::SetLoopValue(long double value) {
  session_->loopValue = value;
}

long double Calculator::LoopValue() const {
  return session_->loopValue;
}

const Options& Calculator::GetOptions() const {
  return session_->options;
}

}  // namespace calcorix
