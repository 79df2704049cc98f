#pragma once

// Exponentials and logarithms. ln 10 and ln 2 are the 80-bit kLn10 and kLn2; every step runs in
// 80-bit in the order written, through the checked arithmetic. Results too small for the 80-bit
// range become denormal or 0 without an error (EXP(-12000) is 0).

namespace calcorix {

// e^x. Errors: EOverflow beyond about x = 11356.5 (EXP(11357)).
long double EXP(long double x);

// e^(ln 10 * x) and e^(ln 2 * x). Errors: EOverflow when the result exceeds the 80-bit range
// (POW2(20000)).
long double EXP10(long double x);
long double POW2(long double x);

// ln(x), ln(x) / ln 10, ln(x) / ln 2. Errors: EDivByZero for x = 0; EInvalidOp for x < 0.
long double LN(long double x);
long double LOG(long double x);
long double LOG2(long double x);

// 20 * (ln(x) / ln 10) and 10 * (ln(x) / ln 10): decibels of a voltage and of a power ratio.
// Errors: EDivByZero for x = 0; EInvalidOp for x < 0.
long double DBV(long double x);
long double DBW(long double x);

// EXP10(x / 20) and EXP10(x / 10): the ratios back from decibels. Errors: EOverflow as EXP10.
long double ADBV(long double x);
long double ADBW(long double x);

}  // namespace calcorix
