#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace calcorix {

// The value text of a switch or key line read as a signed 32-bit whole number (-f12, -f$10).
// Accepted: leading blanks and tabs, then an optional "+" or "-", then digits: decimal, or
// hexadecimal after "$", "x", "X", "0x" or "0X", octal after "&", binary after "%"; nothing may
// follow the digits. The sign comes before the base prefix ("-$10" is -16). The value, sign
// included, must lie in -2147483648...2147483647 whatever the base, so "$FFFFFFFF" is out of
// range rather than -1. Anything else (an empty text, a prefix without digits, a blank after the
// digits, a value out of range) gives 0. Raises nothing.
std::int32_t WholeNumberValue(std::string_view text);

// The same reading, telling a valid number apart from the 0 that stands for anything else.
std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

}  // namespace calcorix
