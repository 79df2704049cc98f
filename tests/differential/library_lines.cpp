// calcorix_lines: the lines the library prints, for a differential run of two builds of it (with
// two compilers, say) where the program is not built. It takes the program's switch words that
// choose what a line prints: -t (angle unit), -o (format), -f (places) and -lSTART:STEP:END; other
// switches are ignored. Words that are not switches form one expression, computed once or for
// each loop value; without any, every line of standard input is computed. The seed of RAN is
// fixed. Lines end in CR LF.

#include <calcorix/calculator.hpp>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "arith/nearest_value.hpp"
#include "engine/number_text.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

std::optional<long double> Number(const std::string& text) {
  calcorix::NumberShape shape;
  if (!calcorix::ParseNumberShape(text, shape)) return std::nullopt;
  std::string digits;
  for (std::size_t i = shape.digitsBegin; i < shape.digitsEnd; ++i) {
    if (text[i] != '.') digits.push_back(text[i]);
  }
  const auto written = static_cast<long long>(shape.exponent);
  return calcorix::NearestValue(
      shape.negative, digits,
      (shape.negativeExponent ? -written : written) - static_cast<long long>(shape.fractionDigits));
}

void Print(calcorix::Calculator& calculator, const std::string& expression) {
  for (const std::string& line : calculator.Evaluate(expression).lines)
    std::cout << line << "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  calcorix::Options options;
  options.seed = 12345;
  std::string loop;
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    const bool isSwitch = word.size() >= 2 && word[0] == '-' && std::isalpha(word[1]) != 0;
    if (!isSwitch) {
      words.push_back(word);
      continue;
    }
    const char choice = word.size() > 2 ? static_cast<char>(std::tolower(word[2])) : '\0';
    switch (std::tolower(word[1])) {
      case 't':
        if (choice == 'd') options.angleUnit = calcorix::AngleUnit::Degrees;
        if (choice == 'r') options.angleUnit = calcorix::AngleUnit::Radians;
        if (choice == 'g') options.angleUnit = calcorix::AngleUnit::Grads;
        break;
      case 'o': {
        const std::string formats = "dsehob";
        const std::size_t at = formats.find(choice);
        if (at != std::string::npos) {
          options.outputFormat = static_cast<calcorix::OutputFormat>(at + 1);
        }
        break;
      }
      case 'f':
        options.decimalPlaces = std::atoi(word.c_str() + 2) % 256;
        break;
      case 'l':
        loop = word.substr(2);
        break;
      default:
        break;
    }
  }
  calcorix::Calculator calculator(options);
  if (words.empty()) {
    std::string line;
    while (std::getline(std::cin, line))
      Print(calculator, line);
    return 0;
  }
  std::string expression;
  for (const std::string& word : words)
    expression += (expression.empty() ? "" : " ") + word;
  if (loop.empty()) {
    Print(calculator, expression);
    return 0;
  }
  const std::size_t colon = loop.find(':');
  const std::size_t second = loop.find(':', colon + 1);
  const auto start = Number(loop.substr(0, colon));
  const auto step = Number(loop.substr(colon + 1, second - colon - 1));
  const auto end = Number(loop.substr(second + 1));
  if (colon == std::string::npos || second == std::string::npos || !start || !step || !end) {
    std::cout << "bad loop\r\n";
    return 1;
  }
  long double value = *start;
  for (int pass = 0; pass < 10000 && (*step >= 0 ? value <= *end : value >= *end); ++pass) {
    calculator.SetLoopValue(value);
    Print(calculator, expression);
    if (*step == 0) break;
    value += *step;
  }
  return 0;
}
