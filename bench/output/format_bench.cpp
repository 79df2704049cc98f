// The cost of one printed number: typical values, and values at the ends of the 80-bit range,
// where the exact digits need big-integer arithmetic.

#include <benchmark/benchmark.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "output/number_format.hpp"
#include "output/scientific.hpp"

namespace calcorix {
namespace {

const long double kTypical[] = {123456.789L, 2.0L / 3, 3.141592653589793L, -0.00075L, 12345.678L,
                                1e-12L,      1.6e300L};

// LDBL_MAX and the smallest denormal are the slowest; the others show how the cost grows.
const long double kEnds[] = {LDBL_MAX, 1e4000L,  1e1000L,      1e-1000L,
                             1e-4000L, LDBL_MIN, LDBL_TRUE_MIN};

template <class Format>
void Run(benchmark::State& state, long double x, Format format) {
  state.SetLabel(ExponentText(x, 5));
  for (auto _ : state) {
    benchmark::DoNotOptimize(format(x));
  }
}

template <class Format>
void Typical(benchmark::State& state, Format format) {
  Run(state, kTypical[state.range(0)], format);
}

template <class Format>
void AtTheEnds(benchmark::State& state, Format format) {
  Run(state, kEnds[state.range(0)], format);
}

std::string General(long double x) {
  return FormatGeneral(x, 16, 1);
}
std::string Scientific(long double x) {
  return ScientificText(x, 16);
}
std::string ScientificTwoPlaces(long double x) {
  return ScientificText(x, 2);
}
std::string Fixed(long double x) {
  return FormatFixed(x, 2);
}
std::string Pattern(long double x) {
  return FormatExponentPattern(x);
}

BENCHMARK_CAPTURE(Typical, FormatGeneral, General)->DenseRange(0, 6);
BENCHMARK_CAPTURE(Typical, ScientificText, Scientific)->DenseRange(0, 6);
BENCHMARK_CAPTURE(Typical, ScientificTextD2, ScientificTwoPlaces)->DenseRange(0, 6);
BENCHMARK_CAPTURE(Typical, FormatFixed, Fixed)->DenseRange(0, 6);
BENCHMARK_CAPTURE(Typical, FormatExponentPattern, Pattern)->DenseRange(0, 6);
BENCHMARK_CAPTURE(AtTheEnds, FormatGeneral, General)->DenseRange(0, 6);
BENCHMARK_CAPTURE(AtTheEnds, ScientificText, Scientific)->DenseRange(0, 6);
BENCHMARK_CAPTURE(AtTheEnds, FormatFixed, Fixed)->DenseRange(0, 6);
BENCHMARK_CAPTURE(AtTheEnds, FormatExponentPattern, Pattern)->DenseRange(0, 6);

}  // namespace
}  // namespace calcorix
