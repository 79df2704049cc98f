#pragma once

#include <cstdint>
#include <optional>

// What a user of the calculator chooses: the angle unit of the trigonometric functions, the
// format of printed results and the rest of the Options. The numeric values are the ones the
// command line and the configuration file have always stood for.

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

// Everything a user chooses for the calculations, in one record: the program's settings and every
// calculator hold one.
struct Options {
  AngleUnit angleUnit = AngleUnit::Radians;
  OutputFormat outputFormat = OutputFormat::Decimal;
  // Fixed decimal places (significant digits in the Exponential format), taken modulo 256 as the
  // -f switch takes them; kNoFixedPlaces (16) asks for none.
  int decimalPlaces = kNoFixedPlaces;
  // The decimal point of printed results. Expressions always use ".".
  char decimalSeparator = '.';
  // The seed of RAN's generator; without one it is seeded from a millisecond clock at its first
  // draw. Equal seeds give equal sequences.
  std::optional<std::uint64_t> seed;
};

}  // namespace calcorix
