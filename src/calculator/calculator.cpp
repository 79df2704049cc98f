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

}  // namespace

Calculator::Calculator(Options options)
    : options_(std::move(options)), session_(std::make_unique<Session>()) {
  session_->angleUnit = options_.angleUnit;
  session_->outputFormat = options_.outputFormat;
  // Modulo 256, as the -f switch keeps the low 8 bits of its whole number.
  session_->decimalPlaces = static_cast<std::uint8_t>(options_.decimalPlaces);
  session_->decimalSeparator = options_.decimalSeparator;
  session_->random = RandomGenerator(options_.seed);
}

Calculator::~Calculator() = default;
Calculator::Calculator(Calculator&&) noexcept = default;
Calculator& Calculator::operator=(Calculator&&) noexcept = default;

Result Calculator::Evaluate(std::string_view expression) {
  Result result;
  CollectingSink sink(result.lines);
  result.ok = Evaluate(expression, sink);
  if (result.ok) result.value = session_->answerValue;
  return result;
}

bool Calculator::Evaluate(std::string_view expression, LineSink& sink) {
  const ArithmeticUnitScope arithmeticUnit;
  Session& session = *session_;
  session.output = &sink;
  session.expressionText.assign(CutText(expression));
  const bool ok = ResultPrinter(session, session.expressionText);
  session.output = nullptr;
  return ok;
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
  return options_;
}

}  // namespace calcorix
