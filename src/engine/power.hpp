#pragma once

#include <cstdint>

namespace calcorix {

// base^exponent, deciding in this order (negative zero counts as zero throughout):
// 1. exponent 0: 1, except 0^0;
// 2. base 0 and exponent > 0: 0;
// 3. a whole exponent of magnitude up to 2147483647: IntPower;
// 4. base > 0: e^(exponent * ln base);
// 5. anything else (base <= 0 with a fractional or huge exponent) is refused.
// Errors: EInvalidArgument for 0^0 and for case 5; EDivByZero for 0 to a negative whole power;
// EOverflow for a result beyond the 80-bit range (underflow gives a denormal or 0 without error).
long double Power(long double base, long double exponent);

// base^exponent by repeated squaring: the result starts at 1; while k > 0, k halves and the base
// squares as long as k is even, then the result takes one factor of the base. A negative exponent
// gives 1 divided by that product, except when the product is not a normal finite number (it
// overflowed, or fell to a denormal or 0) and the base is not 0: then the library's powl(base,
// exponent), so 2^-16400 is the denormal 1.28E-4937 and 0.5^-20000 overflows.
// Errors: EInvalidArgument for 0^0; EDivByZero for base 0 with exponent < 0; EOverflow when the
// result is beyond the 80-bit range.
long double IntPower(long double base, std::int32_t exponent);

}  // namespace calcorix
