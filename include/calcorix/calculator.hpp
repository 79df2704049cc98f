#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcorix/choices.hpp"
#include "calcorix/line_sink.hpp"

// CALCORIX as a library: a calculator that computes expressions exactly as the calcorix program
// does, line for line and digit for digit, in 80-bit extended arithmetic.
//
//   calcorix::Options options;
//   options.angleUnit = calcorix::AngleUnit::Degrees;
//   calcorix::Calculator calculator(options);
//   calcorix::Result r = calculator.Evaluate("2*sin(30)+3^2");  // r.lines == {"10"}, r.value == 10
//
// Each Calculator owns everything its calculations read and write (choices, ANS, MEM, the loop
// value, the random generator); nothing is shared between calculators, so any number of them can
// live in one program, one per thread or several in one thread. One Calculator must not be used
// by two threads at the same time.
//
// While it computes, a Calculator sets the x87 and SSE control words to what the calculation
// needs (64-bit significand, rounding to nearest, exceptions masked) and gives the caller's
// control words and exception flags back before it returns.

namespace calcorix {

struct Result {
  // Exactly the lines the program would print for the expression, as UTF-8, without line ends.
  std::vector<std::string> lines;
  // False when any line is an error or missing-parenthesis line.
  bool ok = false;
  // The value that was printed; meaningful only when ok.
  long double value = 0;
  // What went wrong; None when ok. A malformed expression gives the kind of its first fault
  // (MissingNumber for "2+*3"), also when the line printed is that of an arithmetic error met
  // while it was computed ("(2*)/0"). Otherwise DivisionByZero or CalculationError.
  ErrorKind errorKind = ErrorKind::None;
  // Where the expression is malformed or its parentheses do not pair: an index into the
  // expression as given, blanks and tabs counted. It is the first character that no well-formed
  // expression can have there ("2+*3": 2, the "*"), just after the last character that is no
  // blank when the expression ends too soon ("2+": 2), the first letter of an unknown name
  // ("2*cost(1)": 2), or the unmatched parenthesis ("(1+2": 0). Nothing for a well-formed
  // expression, also when its calculation fails ("1/0").
  std::optional<std::size_t> errorPosition;
};

class Calculator {
 public:
  explicit Calculator(Options options = {});
  ~Calculator();
  Calculator(Calculator&&) noexcept;
  Calculator& operator=(Calculator&&) noexcept;
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // Computes one expression as the program computes one line of standard input (comment and quit
  // lines are not recognised here): at most its first 255 characters count, blanks and tabs are
  // ignored, letters may be in either case and "," is a decimal point like ".". An expression that
  // is not well-formed ("2(3)", "2+", "sin()", "1.5.5") never gives a value: its answer is the
  // formula-error line "Błąd w formule". Never throws for anything the expression holds; only a
  // failure to allocate memory leaves as an exception.
  Result Evaluate(std::string_view expression);

  // The same, handing each line to `sink` as it is produced instead of collecting them, and then
  // the expression's fault to sink.FormulaFault when it has one. Answers Result::ok; the value is
  // then Answer().
  bool Evaluate(std::string_view expression, LineSink& sink);

  // ANS: the value of the last calculation whose result line was printed (0 before any).
  long double Answer() const;
  // MEM: the sum of the values of all printed results (0 at first). An addition that would
  // overflow leaves it as it was.
  long double Memory() const;

  // LI: the loop variable of expressions (0 at first).
  void SetLoopValue(long double value);
  long double LoopValue() const;

  // The options as given to the constructor.
  const Options& GetOptions() const;

 private:
  struct Session;  // everything a calculation reads and writes
  std::unique_ptr<Session> session_;
};

}  // namespace calcorix
