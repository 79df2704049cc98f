// CheckParentheses + ComputeText on representative texts, and on growing texts to show how the
// cost scales with the length.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "engine/compute.hpp"
#include "engine/formula.hpp"

namespace calcorix {
namespace {

// glibc hands the top of the heap back to the system once more than 128 KiB of it is free, which
// the longest texts here cross in every iteration: the brk calls and page faults that follow would
// be measured instead of the engine.
const int keepHeap = mallopt(M_TRIM_THRESHOLD, 64 << 20);

void Calculate(benchmark::State& state, const std::string& expression) {
  for (auto _ : state) {
    std::string text = expression;
    FormulaState formula;
    if (!CheckParentheses(text, formula)) benchmark::DoNotOptimize(ComputeText(text, formula));
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
