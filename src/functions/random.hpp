#pragma once

#include <cstdint>

// RAN and its generator: one generator per process, seeded once (at the first draw) from
// CALCORIX_SEED when that environment variable holds a decimal whole number, else from the
// millisecond clock. Every RAN call draws the next number of that one generator, so calls within
// the same millisecond differ.

namespace calcorix {

// n = RND(x); then 0 when n is 0, else a whole number from 0 to |n| - 1, every one equally likely
// (no modulo bias), also for a negative n. RAN(0), RAN(1) and RAN(-1) give 0.
// Errors: EInvalidOp when x rounds outside the signed 64-bit range (RAN(-1E19)).
long double RAN(long double x);

// Restarts the generator from `seed`; the next RAN draws the first number of that sequence.
void SeedRandom(std::uint64_t seed);

// Puts the generator back as at start-up: the next RAN seeds it from InitialRandomSeed() (tests).
void ForgetRandomSeed();

// The seed of the first draw: CALCORIX_SEED when it is 1 to 20 decimal digits with a value below
// 2^64 (nothing else, no sign or blank), otherwise MillisecondClock().
std::uint64_t InitialRandomSeed();

}  // namespace calcorix
