#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace calcorix {

// The seed a user asks for in CALCORIX_SEED: 1 to 20 decimal digits with a value below 2^64
// (nothing else, no sign or blank). Nothing when the variable is unset or unusable: RAN's
// generator then seeds itself from the clock.
std::optional<std::uint64_t> SeedFromEnvironment();

// The text as such a seed, or nothing.
std::optional<std::uint64_t> ParseSeed(std::string_view text);

}  // namespace calcorix
