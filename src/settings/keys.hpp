#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The letters of the switches and configuration keys, and the values each takes.

namespace calcorix {

// Every switch letter the program asks about (lower case; matched without regard to case).
inline constexpr std::string_view kSwitchLetters = "itoflp?hex";

// The value letters of the settings chosen by one letter: i, t, o and e.
inline constexpr std::string_view kInputLetters = "CS";
inline constexpr std::string_view kAngleLetters = "DRG";
inline constexpr std::string_view kFormatLetters = "DSEHOB";
inline constexpr std::string_view kTextModeLetters = "AUD";
// -p takes no value letter, or one of these.
inline constexpr std::string_view kGraphLetters = "AS";

// The position of the whole text among the value letters (case ignored), if it is one of them.
std::optional<std::size_t> ValueLetterIndex(std::string_view text, std::string_view letters);

// Whether the value text is one the setting of this letter can use: one of its value letters for
// i, t, o and e; a whole number (or nothing) for f; nothing at all for x; nothing or a graph
// letter for p. Every value is usable for the other letters.
bool IsUsableValue(char letter, std::string_view value);

}  // namespace calcorix
