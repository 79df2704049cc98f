#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Look-ups in the configuration file, one key at a time. A key line begins with "-" or "/"; its
// second character is the key letter (matched without regard to ASCII case) and the rest, blanks
// and comments included, is its value text. Every other line is ignored. Lines are numbered from
// 1 with no upper limit, and 0 means "none". What counts as a line: config_lines.hpp.
//
// Each look-up opens the file, reads it once from the start, no further than its answer needs,
// and closes it. A file that cannot be opened answers as if every key were absent: no message.
// None of these raises anything.

namespace calcorix {

// Number of lines; 0 when the file cannot be opened.
std::size_t ConfigLineCount(const std::string& path);

// Line n (from 1), at most 255 characters; the last line when n is beyond the count; empty when
// n is 0 or the file cannot be opened.
std::string ConfigLine(const std::string& path, std::size_t n);

// Number of the first key line with this letter; 0 when there is none.
std::size_t FindConfigKey(const std::string& path, char letter);

bool ConfigKeyPresent(const std::string& path, char letter);

// The value text as a signed 32-bit whole number (WholeNumberValue); 0 when the key is absent or
// its value is no valid number. Quotes get no special treatment here.
std::int32_t ConfigInteger(const std::string& path, char letter);

// The value text; empty when the key is absent. A value that opens a quote (' " [) continues over
// the following lines, joined with single blanks, up to the line that ends with the closing
// character; the last character is then dropped, also when the file ends first. At most 255
// characters.
std::string ConfigText(const std::string& path, char letter);

// 1, 2 or 3 when the text opens a quote pair (' " [); else 0.
int ConfigQuoteKind(std::string_view text);

}  // namespace calcorix
