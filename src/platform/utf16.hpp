#pragma once

#include <string>
#include <string_view>

#include "platform/console.hpp"

// Text as the Windows console and the Windows API take it, UTF-16, and back. Pure functions, built
// and tested on every system.

namespace calcorix {

// The characters of `bytes` in UTF-16. Code page 852: each byte is its character. UTF-8: each
// well-formed sequence is its character, and a byte that begins none (a cut sequence, an echoed
// line in code page 852) is taken as a code page 852 character, so that nothing drops from sight.
std::u16string Utf16FromBytes(std::string_view bytes, TextEncoding encoding);

// UTF-16 text in UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace calcorix
