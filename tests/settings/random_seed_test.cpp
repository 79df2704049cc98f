#include "settings/random_seed.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <optional>

namespace calcorix::test {
namespace {

TEST(RandomSeed, OnlyAWholeNumberBelow2To64IsASeed) {
  const struct {
    const char* text;
    std::optional<std::uint64_t> seed;
  } cases[] = {
      {"987654321", 987654321},
      {"0", 0},
      {"18446744073709551615", UINT64_MAX},
      {"18446744073709551616", std::nullopt},
      {"", std::nullopt},
      {"12a", std::nullopt},
      {"-5", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseSeed(c.text), c.seed) << '"' << c.text << '"';
}

TEST(RandomSeed, ComesFromCalcorixSeed) {
#ifdef _WIN32  // an empty value removes the variable
  const auto setenv = [](const char* name, const char* value, int) { ::_putenv_s(name, value); };
  const auto unsetenv = [](const char* name) { ::_putenv_s(name, ""); };
#endif
  setenv("CALCORIX_SEED", "31337", 1);
  EXPECT_EQ(SeedFromEnvironment(), 31337u);
  setenv("CALCORIX_SEED", "x", 1);
  EXPECT_EQ(SeedFromEnvironment(), std::nullopt);
  unsetenv("CALCORIX_SEED");
  EXPECT_EQ(SeedFromEnvironment(), std::nullopt);
}

}  // namespace
}  // namespace calcorix::test
