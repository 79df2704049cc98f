// Whole calculations through the library: what one line of standard input costs, from the text to
// the printed line (handed to a sink that keeps nothing).

#include <benchmark/benchmark.h>

#include <string_view>

#include "calcorix/calculator.hpp"

namespace calcorix {
namespace {

class DiscardingSink final : public LineSink {
 public:
  void Line(std::string_view text, LineKind) override { benchmark::DoNotOptimize(text.data()); }
};

void Evaluate(benchmark::State& state, std::string_view expression) {
  Calculator calculator;
  DiscardingSink sink;
  for (auto _ : state)
    benchmark::DoNotOptimize(calculator.Evaluate(expression, sink));
}

void EvaluateCollected(benchmark::State& state, std::string_view expression) {
  Calculator calculator;
  for (auto _ : state)
    benchmark::DoNotOptimize(calculator.Evaluate(expression));
}

BENCHMARK_CAPTURE(Evaluate, Sum, "2*3+4");
BENCHMARK_CAPTURE(Evaluate, Function, "sqrt(2)*3.5");
BENCHMARK_CAPTURE(Evaluate, Groups, "(1+2)*(3+4)/7");
BENCHMARK_CAPTURE(Evaluate, TwoCalls, "sin(0.5)+cos(0.25)");
BENCHMARK_CAPTURE(Evaluate, Power, "2^10-1");
BENCHMARK_CAPTURE(EvaluateCollected, Function, "sqrt(2)*3.5");

}  // namespace
}  // namespace calcorix
