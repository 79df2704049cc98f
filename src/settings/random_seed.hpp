#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace calcorix {

// The seed a user asks for in CALCORIX_SEED: a decimal whole number below 2^64, with blanks around
// it allowed (no sign, nothing else). Nothing when the variable is unset or unusable: RAN's
// generator then seeds itself from the clock. `unusable` tells the two apart.
std::optional<std::uint64_t> SeedFromEnvironment(bool* unusable = nullptr);

// The text as such a seed, or nothing.
std::optional<std::uint64_t> ParseSeed(std::string_view text);

}  // namespace calcorix
