#include "output/radix_format.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "arith/errors.hpp"

namespace calcorix::test {
namespace {

TEST(RadixDigits, WritesTheLowestDigitsOfTheTwosComplement) {
  const struct {
    std::int64_t n;
    int radix;
    int count;
    const char* text;
  } cases[] = {
      {-1, 16, 8, "FFFFFFFF"},
      {-1, 8, 10, "7777777777"},
      {-1, 2, 30, "111111111111111111111111111111"},
      {-2, 16, 8, "FFFFFFFE"},
      {1234, 16, 8, "000004D2"},
      {1234, 8, 10, "0000002322"},
      {1234, 2, 30, "000000000000000000010011010010"},
      {4294967296, 16, 8, "00000000"},
      {1073741824, 2, 30, "000000000000000000000000000000"},
      {1073741824, 8, 10, "0000000000"},
      {0, 16, 8, "00000000"},
      {INT64_MIN, 16, 16, "8000000000000000"},
      {-1, 16, 20, "0000FFFFFFFFFFFFFFFF"},    // nothing above the 64 bits
      {-1, 8, 23, "01777777777777777777777"},  // the 22nd octal digit holds one bit
      {0xABCDEF, 16, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RadixDigits(c.n, c.radix, c.count), c.text) << c.n << " radix " << c.radix;
  }
}

}  // namespace
}  // namespace calcorix::test
