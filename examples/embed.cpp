// CALCORIX inside another program: two calculators, each with its own choices, ANS and MEM.
//
//   cmake -S examples -B build/example -DCMAKE_PREFIX_PATH=<where calcorix is installed>
//   cmake --build build/example && build/example/embed

#include <calcorix/calculator.hpp>
#include <cstdio>

int main() {
  calcorix::Options degrees;
  degrees.angleUnit = calcorix::AngleUnit::Degrees;
  calcorix::Calculator calculator(degrees);

  for (const char* expression : {"2*sin(30)+3^2", "sqrt(ANS)", "1/0", "(1+2", "MEM"}) {
    const calcorix::Result result = calculator.Evaluate(expression);
    for (const std::string& line : result.lines)
      std::printf("%-16s %s %s\n", expression, result.ok ? "=" : "!", line.c_str());
  }

  // The value itself, for further computing; printed here through the calculator's own format.
  calcorix::Options hexadecimal;
  hexadecimal.outputFormat = calcorix::OutputFormat::Hexadecimal;
  calcorix::Calculator other(hexadecimal);
  const calcorix::Result r = other.Evaluate("2^20-1");
  std::printf("2^20-1 in hexadecimal: %s (ok: %d)\n", r.lines.front().c_str(), r.ok);
  return r.ok && calculator.Memory() > 0 ? 0 : 1;
}
