// Calculators on two threads at once give what one thread gives: nothing of a calculation is
// shared between calculators. The CI runs this under ThreadSanitizer as well.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "calcorix/calculator.hpp"

namespace calcorix::test {
namespace {

// 100,000 expressions that touch every part of a calculation: functions in the angle unit,
// powers, factorials, groups, ANS, MEM, LI, RAN, and errors of every kind.
std::vector<std::string> Workload() {
  const char* const patterns[] = {
      "sin(#)*cos(#)+tan(#/3)",
      "#^2-#!/7",
      "(#+1)*(#-2)/(#+3)",
      "sqrt(#)+ln(#+1)-exp(#/100)",
      "ANS/(#+1)+MEM/1E6",
      "LI*#+RAN(#+10)",
      "1/(#-#)",
      "asin(#/100)+atanh(#/1000)",
      "cot(#*90)",
      "(#*)/2",
      "#^(0-#)",
      "sinh(#/10)-cosh(#/20)",
  };
  std::vector<std::string> expressions;
  expressions.reserve(100000);
  for (int i = 0; expressions.size() < 100000; ++i) {
    std::string text = patterns[i % std::size(patterns)];
    const std::string number = std::to_string(i % 97) + "." + std::to_string(i % 13);
    for (std::size_t at = text.find('#'); at != std::string::npos; at = text.find('#'))
      text.replace(at, 1, number);
    expressions.push_back(text);
  }
  return expressions;
}

std::vector<std::string> RunAll(const std::vector<std::string>& expressions,
                                const Options& options) {
  Calculator calculator(options);
  calculator.SetLoopValue(1.5L);
  std::vector<std::string> lines;
  lines.reserve(expressions.size() + expressions.size() / 8);
  for (const std::string& e : expressions) {
    for (std::string& line : calculator.Evaluate(e).lines)
      lines.push_back(std::move(line));
  }
  return lines;
}

TEST(Threads, TwoThreadsGiveWhatOneThreadGives) {
  const std::vector<std::string> expressions = Workload();
  Options degrees, grads;
  degrees.angleUnit = AngleUnit::Degrees;
  degrees.seed = 7;
  grads.angleUnit = AngleUnit::Grads;
  grads.outputFormat = OutputFormat::Exponential;
  grads.decimalPlaces = 9;
  grads.seed = 8;
  const std::vector<std::string> degreesAlone = RunAll(expressions, degrees);
  const std::vector<std::string> gradsAlone = RunAll(expressions, grads);
  ASSERT_NE(degreesAlone, gradsAlone);

  std::vector<std::string> degreesThreaded, gradsThreaded;
  std::thread first([&] { degreesThreaded = RunAll(expressions, degrees); });
  std::thread second([&] { gradsThreaded = RunAll(expressions, grads); });
  first.join();
  second.join();
  EXPECT_TRUE(degreesThreaded == degreesAlone);
  EXPECT_TRUE(gradsThreaded == gradsAlone);
}

}  // namespace
}  // namespace calcorix::test
