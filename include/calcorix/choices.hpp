#pragma once

#include <cstdint>

// What a user of the calculator chooses: the angle unit of the trigonometric functions and the
// format of printed results. The numeric values are the ones the command line and the
// configuration file have always stood for.

namespace calcorix {

enum class AngleUnit : std::uint8_t { Degrees = 0, Radians = 1, Grads = 2 };

enum class OutputFormat : std::uint8_t {
  Decimal = 1,      // "1234.5"
  Scientific = 2,   // exponent a multiple of 3: "1.2345E+03"
  Exponential = 3,  // "1.2345E+03" with 16 significant digits at most
  Hexadecimal = 4,  // the value rounded half to even, 8 lowest hexadecimal digits
  Octal = 5,        // ... 10 lowest octal digits
  Binary = 6,       // ... 30 lowest binary digits
};

// The number of decimal places that asks for no fixed number of places: full precision in the
// Decimal and Exponential formats.
inline constexpr int kNoFixedPlaces = 16;

}  // namespace calcorix
