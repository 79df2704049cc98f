#pragma once

// The 80-bit constants of the calculator, written as exact hexadecimal significands so that no
// conversion or computation can change a bit.

namespace calcorix {

// pi as the angle conversions use it: 3.141592653589793240031, seven units in the last place above
// the 80-bit number nearest to pi (biased exponent 0x4000, significand C90FDAA22168C23C).
inline constexpr long double kPi = 0xC90FDAA22168C23Cp-62L;

// ln 10 and ln 2, each the nearest 80-bit number.
inline constexpr long double kLn10 = 0x935D8DDDAAA8AC17p-62L;  // 2.302585092994045684036
inline constexpr long double kLn2 = 0xB17217F7D1CF79ACp-64L;   // 0.6931471805599453094287

// ln 1000 as the Scientific format divides by it: biased exponent 0x4001, significand
// DD0C54CC7FFD0223, about 6.907755278982137 (its last bits differ from the rounded ln 1000).
inline constexpr long double kL1000 = 0xDD0C54CC7FFD0223p-61L;

}  // namespace calcorix
