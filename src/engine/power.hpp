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
// EOverflow for a result beyond the 80-bit range (underflow gives 0 without error).
long double Power(long double base, long double exponent);

// base^exponent by repeated squaring: the result starts at 1; while k > 0, k halves and the base
// squares as long as k is even, then the result takes one factor of the base. A negative exponent
// gives 1 divided by that product, so it overflows when the product would, even where the true
// reciprocal (2^-16400, say) is still representable.
// Errors: EInvalidArgument for 0^0; EDivByZero for base 0 with exponent < 0; EOverflow.
long double IntPower(long double base, std::int32_t exponent);

}  // namespace calcorix
