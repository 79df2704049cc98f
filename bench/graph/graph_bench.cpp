// A million passes of a loop drawn as a graph: gathering the series, drawing it, and the whole of
// it with the calculations, to set beside printing the same million results.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calcorix/calculator.hpp"
#include "calcorix/graph.hpp"

namespace calcorix {
namespace {

constexpr LoopRange kLoop{0, 0.000001L, 1};  // -l0:0.000001:1, a million and one passes

// LI and sin(LI) of the loop, as the loop advances LI.
const std::vector<std::pair<long double, long double>>& Passes() {
  static const auto passes = [] {
    std::vector<std::pair<long double, long double>> all;
    for (long double li = kLoop.start; li <= kLoop.end; li += kLoop.step)
      all.emplace_back(li, std::sin(li));
    return all;
  }();
  return passes;
}

GraphSeries Gathered() {
  GraphSeries series(kLoop);
  for (const auto& [li, value] : Passes())
    series.AddValue(li, value);
  return series;
}

void Gather(benchmark::State& state) {
  Passes();
  for (auto _ : state)
    benchmark::DoNotOptimize(Gathered().Values());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Passes().size()));
}

void DrawText(benchmark::State& state, GraphForm form) {
  const GraphSeries series = Gathered();
  for (auto _ : state)
    benchmark::DoNotOptimize(DrawTextGraph(series, form, {80, 24}, {"sin(LI)"}));
}

void DrawSvg(benchmark::State& state) {
  const GraphSeries series = Gathered();
  for (auto _ : state)
    benchmark::DoNotOptimize(DrawSvgGraph(series, {800, 500}, {"sin(LI)"}));
}

// What `calcorix -p -l0:0.000001:1 sin(LI)` will do: every pass through the calculator, then the
// drawing.
void CalculateAndDraw(benchmark::State& state) {
  for (auto _ : state) {
    Calculator calculator;
    GraphSeries series(kLoop);
    for (long double li = kLoop.start; li <= kLoop.end; li += kLoop.step) {
      calculator.SetLoopValue(li);
      if (!AddPass(series, calculator, "sin(LI)")) break;
    }
    benchmark::DoNotOptimize(DrawTextGraph(series, GraphForm::Braille, {80, 24}, {"sin(LI)"}));
  }
}

BENCHMARK(Gather)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawText, Braille, GraphForm::Braille)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawText, HalfBlocks, GraphForm::HalfBlocks)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawText, Ascii, GraphForm::Ascii)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawSvg)->Unit(benchmark::kMicrosecond);
BENCHMARK(CalculateAndDraw)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace calcorix
