#pragma once

#include <cstdint>

// Powers, roots, sign and the whole-number functions, in 80-bit through the checked arithmetic.

namespace calcorix {

// |x|. Errors: none.
long double ABS(long double x);

// x * x and (x * x) * x. Errors: EOverflow beyond the 80-bit range (CUB(1E2000)).
long double SQR(long double x);
long double CUB(long double x);

// sqrt(x). Errors: EInvalidOp for x < 0.
long double SQRT(long double x);

// 1 when x >= 0 (SGN(0) is 1), -1 when x < 0. Errors: none.
long double SGN(long double x);

// x truncated toward zero; INT(-2.75) is -2 (and INT(-0.5) is -0). Errors: none.
long double INT(long double x);

// x - INT(x), with the sign of x: FRAC(-2.75) is -0.75. Errors: none.
long double FRAC(long double x);

// x rounded to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2), through a signed 64-bit integer. Errors: EInvalidOp when that integer is outside
// -2^63 ... 2^63 - 1 (RND(1E19)).
long double RND(long double x);

}  // namespace calcorix
