#pragma once

#include <exception>

// The errors of a calculation. The result printer answers EDivByZero with its own line and every
// other error with the general one, so EDivByZero must stay a type of its own. Every one of them
// is a CalculationError, and nothing else is: a failure of the machine (memory, say) is never
// mistaken for a property of the expression.

namespace calcorix {

struct CalculationError : std::exception {};

// A finite non-zero value divided by zero, or the logarithm of zero.
struct EDivByZero : CalculationError {
  const char* what() const noexcept override { return "Division by zero"; }
};

// 0/0, the square root or logarithm of a negative number, a conversion to an integer out of range.
struct EInvalidOp : CalculationError {
  const char* what() const noexcept override { return "Invalid floating point operation"; }
};

// A result beyond the 80-bit range.
struct EOverflow : CalculationError {
  const char* what() const noexcept override { return "Floating point overflow"; }
};

// The family of errors that the math routines raise themselves (not the arithmetic unit).
struct EMathError : CalculationError {};

// 0^0, a negative base with a fractional exponent, the factorial of a negative number.
struct EInvalidArgument : EMathError {
  const char* what() const noexcept override { return "Invalid argument"; }
};

}  // namespace calcorix
