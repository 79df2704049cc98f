// CheckParentheses + ComputeText on representative texts, and on growing texts to show how the
// cost scales with the length.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "engine/scanner.hpp"

namespace calcorix {
namespace {

// glibc hands the top of the heap back to the system once more than 128 KiB of it is free, which
// the longest texts here cross in every iteration: the brk calls and page faults that follow would
// be measured instead of the engine.
const int keepHeap = mallopt(M_TRIM_THRESHOLD, 64 << 20);

void Calculate(benchmark::State& state, const std::string& expression) {
  for (auto _ : state) {
    std::string text = expression;
    if (CheckParentheses(text)) benchmark::DoNotOptimize(ComputeText(text));
  }
  state.SetLabel(std::to_string(expression.size()) + " chars");
}

std::string Repeat(const std::string& term, const std::string& joint, int count) {
  std::string text = term;
  for (int i = 1; i < count; ++i)
    text += joint + term;
  return text;
}

void ShortSum(benchmark::State& state) {
  Calculate(state, "12.5+3-4.25+100+0.5");
}

void Typical(benchmark::State& state) {
  Calculate(state, "2*3.5+4/8-1.25*2^3");
}

void NestedGroups(benchmark::State& state) {
  Calculate(state, "((1+2)*(3-(4/(5+6))))*2");
}

void Deep127(benchmark::State& state) {
  Calculate(state, std::string(127, '(') + "1+1" + std::string(127, ')'));
}

// 255 characters of sums, products, quotients, powers, factorials and groups.
std::string Long255() {
  std::string text = Repeat("1.5*2-3/4+2^3-(5!/7)", "+", 12);  // 251 characters
  text += "+0.5";
  return text;
}

void Long255Chars(benchmark::State& state) {
  Calculate(state, Long255());
}

// The same mixed term repeated: time per character should stay flat as the text grows.
void Scaling(benchmark::State& state) {
  Calculate(state, Repeat("1.5*2-3/4+2^3-(5!/7)", "+", static_cast<int>(state.range(0))));
}

void ScalingNested(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  Calculate(state, std::string(depth, '(') + "2" + std::string(depth, ')') + "^2");
}

BENCHMARK(ShortSum);
BENCHMARK(Typical);
BENCHMARK(NestedGroups);
BENCHMARK(Deep127);
BENCHMARK(Long255Chars);
BENCHMARK(Scaling)->Arg(16)->Arg(64)->Arg(256);
BENCHMARK(ScalingNested)->Arg(127)->Arg(1000)->Arg(4000);

}  // namespace
}  // namespace calcorix

namespace calcorix {
namespace {

// The whole expression language: the parenthesis check, the scanner with its function calls, then
// the passes, for expressions with one to three calls.
void Scanned(benchmark::State& state, const std::string& expression) {
  for (auto _ : state) {
    std::string text = expression;
    if (CheckParentheses(text)) benchmark::DoNotOptimize(ComputeText(ScanExpression(text)));
  }
}

void OneCall(benchmark::State& state) {
  Scanned(state, "2*sin(30)+3^2");
}
void TwoCalls(benchmark::State& state) {
  Scanned(state, "sin(0.5)+cos(0.25)");
}
void ThreeCalls(benchmark::State& state) {
  Scanned(state, "sqrt(2)*ln(10)-exp(1.5)/7");
}
void NestedCalls(benchmark::State& state) {
  Scanned(state, "sqrt(sqr(3)+abs(-16))");
}

BENCHMARK(OneCall);
BENCHMARK(TwoCalls);
BENCHMARK(ThreeCalls);
BENCHMARK(NestedCalls);

}  // namespace
}  // namespace calcorix
