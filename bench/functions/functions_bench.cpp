// A function call as the scanner makes it: look the name up in the text, then apply the function.

#include <benchmark/benchmark.h>

#include <string_view>

#include "functions/name_table.hpp"

namespace calcorix {
namespace {

void LookUpAndCall(benchmark::State& state, std::string_view text, long double argument) {
  for (auto _ : state) {
    const NamedValue* entry = MatchName(text, 2);
    long double x = argument;
    benchmark::DoNotOptimize(x);
    long double value = entry->function(x);
    benchmark::DoNotOptimize(value);
  }
}

BENCHMARK_CAPTURE(LookUpAndCall, SIN, "2*SIN(30)", 30.0L);
BENCHMARK_CAPTURE(LookUpAndCall, SQRT, "2*SQRT(2)", 2.0L);
BENCHMARK_CAPTURE(LookUpAndCall, LN, "2*LN(10)", 10.0L);
BENCHMARK_CAPTURE(LookUpAndCall, EXP, "2*EXP(1.5)", 1.5L);
BENCHMARK_CAPTURE(LookUpAndCall, TANH, "2*TANH(0.5)", 0.5L);

void LookUpOnly(benchmark::State& state, std::string_view text) {
  for (auto _ : state) {
    std::string_view t = text;
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(MatchName(t, 0));
  }
}

BENCHMARK_CAPTURE(LookUpOnly, first_entry, "ABS(1)");
BENCHMARK_CAPTURE(LookUpOnly, last_entry, "TANH(1)");
BENCHMARK_CAPTURE(LookUpOnly, no_name, "TX(1)");

}  // namespace
}  // namespace calcorix
