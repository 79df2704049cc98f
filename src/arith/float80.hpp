#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

// Every number of the calculator is an x87 80-bit extended value: 64-bit significand with an
// explicit integer bit, 15-bit exponent (bias 16383), sign bit.

static_assert(std::numeric_limits<long double>::digits == 64,
              "CALCORIX needs long double to be the x87 80-bit extended type");
static_assert(std::numeric_limits<long double>::max_exponent == 16384);
static_assert(sizeof(long double) >= 10);

namespace calcorix {

struct Float80Bits {
  bool negative = false;
  std::uint16_t biasedExponent = 0;  // 0 for zero and denormals, 32767 for infinities and NaNs
  std::uint64_t significand = 0;     // bit 63 is the explicit integer bit
};

inline Float80Bits BitsOf(long double x) {
  unsigned char raw[sizeof(long double)];
  std::memcpy(raw, &x, sizeof raw);
  Float80Bits bits;
  std::memcpy(&bits.significand, raw, 8);
  std::uint16_t top;
  std::memcpy(&top, raw + 8, 2);
  bits.negative = (top & 0x8000) != 0;
  bits.biasedExponent = top & 0x7FFF;
  return bits;
}

inline long double FromBits(Float80Bits bits) {
  unsigned char raw[sizeof(long double)] = {};
  std::memcpy(raw, &bits.significand, 8);
  const std::uint16_t top =
      static_cast<std::uint16_t>((bits.negative ? 0x8000 : 0) | (bits.biasedExponent & 0x7FFF));
  std::memcpy(raw + 8, &top, 2);
  long double x;
  std::memcpy(&x, raw, sizeof raw);
  return x;
}

inline bool SignBit(long double x) {
  return BitsOf(x).negative;
}

}  // namespace calcorix
