#include "settings/real_number.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <optional>
#include <string>

namespace calcorix::test {
namespace {

TEST(ReadRealNumberTest, ReadsTheUsualNotation) {
  const struct {
    std::string text;
    char separator;
    long double expected;
  } cases[] = {
      {"1", '.', 1.0L},
      {" \t-2.5\r\n", '.', -2.5L},
      {"\x01"
       "3\x7F",
       '.', 3.0L},
      {"+3", '.', 3.0L},
      {".5", '.', 0.5L},
      {"5.", '.', 5.0L},
      {"1e3", '.', 1000.0L},
      {"-1.5E+2", '.', -150.0L},
      {"1E-3", '.', 1e-3L},
      {"0.1", '.', 0.1L},  // correctly rounded to 80 bits, not through double
      {"1,5", ',', 1.5L},
      {"1.5", ',', 1.5L},  // "." is always accepted
      {"-0,25e1", ',', -2.5L},
      {"1.18973149535723176502e4932", '.', LDBL_MAX},
      {"1e-4930", '.', 1e-4930L},
      {"0e-99999", '.', 0.0L},
  };
  for (const auto& c : cases) {
    const std::optional<long double> got = ReadRealNumber(c.text, c.separator);
    ASSERT_TRUE(got.has_value()) << '"' << c.text << '"';
    EXPECT_EQ(*got, c.expected) << '"' << c.text << '"';
  }
}

TEST(ReadRealNumberTest, RefusesOtherTextsAndNumbersBeyondTheRange) {
  const std::string refused[] = {
      "", " ", ".", "-", "+-1", "--1", "1e", "1e+", "e5", "1 2", "1..2", "1.2.3", "1,5", "inf",
      "nan", "0x10", "1d",
      // beyond the range of normal 80-bit values: overflow, or a step that would become 0
      "1e4933", "-1e5000", "1.18973149535723176508e4932", "1e-5000", "3.6e-4951"};
  for (const std::string& text : refused) {
    EXPECT_FALSE(ReadRealNumber(text, '.').has_value()) << '"' << text << '"';
  }
  for (const char* text : {"1,5,2", "1.5,2", "1,.5"}) {
    EXPECT_FALSE(ReadRealNumber(text, ',').has_value()) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace calcorix::test
