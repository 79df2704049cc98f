// The scanner's side of a calculation: a function call as the scanner makes it (look the name up
// in the text, then apply the function), and whole expressions with one to three calls.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "session/name_table.hpp"
#include "session/scanner.hpp"
#include "session/session.hpp"

namespace calcorix {
namespace {

void LookUpAndCall(benchmark::State& state, std::string_view text, long double argument) {
  Session session;
  for (auto _ : state) {
    const NamedValue* entry = MatchName(text, 2);
    long double x = argument;
    benchmark::DoNotOptimize(x);
    long double value = entry->function(session, x);
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

// The parenthesis check, the scanner with its function calls, then the passes.
void Scanned(benchmark::State& state, const std::string& expression) {
  Session session;
  for (auto _ : state) {
    std::string text = expression;
    if (!CheckParentheses(text, session.formula)) {
      benchmark::DoNotOptimize(ComputeText(ScanExpression(session, text), session.formula));
    }
  }
}

BENCHMARK_CAPTURE(Scanned, OneCall, "2*sin(30)+3^2");
BENCHMARK_CAPTURE(Scanned, TwoCalls, "sin(0.5)+cos(0.25)");
BENCHMARK_CAPTURE(Scanned, ThreeCalls, "sqrt(2)*ln(10)-exp(1.5)/7");
BENCHMARK_CAPTURE(Scanned, NestedCalls, "sqrt(sqr(3)+abs(-16))");

}  // namespace
}  // namespace calcorix
