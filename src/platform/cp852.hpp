#pragma once

#include <string>
#include <string_view>

namespace calcorix {

// Appends the UTF-8 text to `out` as code page 852 bytes. ASCII passes unchanged; a character
// that the code page lacks, and a malformed UTF-8 sequence, become "?".
void AppendAsCp852(std::string_view utf8, std::string& out);

// The Unicode code point of a code page 852 byte.
char32_t Cp852ToUnicode(unsigned char byte);

}  // namespace calcorix
