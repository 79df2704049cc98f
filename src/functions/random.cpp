#include "functions/random.hpp"

#include <cstdlib>
#include <optional>
#include <random>
#include <string_view>

#include "arith/round_half_even.hpp"
#include "functions/elementary.hpp"
#include "platform/system.hpp"

namespace calcorix {

namespace {

__extension__ typedef unsigned __int128 Uint128;

// mt19937_64, not a distribution of the standard library: its sequence for a given seed is fixed
// by the standard, the distributions' algorithms are not, and CALCORIX_SEED must repeat a run.
struct Generator {
  std::mt19937_64 engine;
  bool seeded = false;
};

Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

// Uniform over 0 .. bound - 1 for bound >= 1: the high half of draw * bound, where the draws whose
// low half falls below 2^64 mod bound are thrown away, since those are the ones that would make
// some results one draw more likely than others.
std::uint64_t DrawBelow(std::mt19937_64& engine, std::uint64_t bound) {
  Uint128 product = static_cast<Uint128>(engine()) * bound;
  auto low = static_cast<std::uint64_t>(product);
  if (low < bound) {
    const std::uint64_t rejectBelow = (0 - bound) % bound;
    while (low < rejectBelow) {
      product = static_cast<Uint128>(engine()) * bound;
      low = static_cast<std::uint64_t>(product);
    }
  }
  return static_cast<std::uint64_t>(product >> 64);
}

}  // namespace

void SeedRandom(std::uint64_t seed) {
  Generator& generator = TheGenerator();
  generator.engine.seed(seed);
  generator.seeded = true;
}

void ForgetRandomSeed() {
  TheGenerator().seeded = false;
}

std::uint64_t InitialRandomSeed() {
  if (const char* text = std::getenv("CALCORIX_SEED")) {
    if (const std::optional<std::uint64_t> seed = ParseSeed(text)) return *seed;
  }
  return MillisecondClock();
}

long double RAN(long double x) {
  const std::int64_t n = RoundHalfEven(x);
  if (n == 0) return 0;
  // Unsigned negation: |INT64_MIN| = 2^63 has no int64 value.
  const std::uint64_t magnitude =
      n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  Generator& generator = TheGenerator();
  if (!generator.seeded) SeedRandom(InitialRandomSeed());
  return static_cast<long double>(DrawBelow(generator.engine, magnitude));
}

}  // namespace calcorix
