#pragma once

namespace calcorix {

// The product 1 * 2 * ... * n for n the integer part of x, multiplied in this order in 80-bit
// arithmetic; 1 for any x below 2. Beyond 170 the same product simply goes on (1754! still fits).
// Errors: EInvalidArgument for x < 0 (negative zero counts as 0); EOverflow once the product
// leaves the 80-bit range, which happens at 1755 at the latest, so the loop is bounded for any x.
long double Factorial(long double x);

}  // namespace calcorix
