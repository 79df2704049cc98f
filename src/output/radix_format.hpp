#pragma once

#include <cstdint>
#include <string>

// The integer forms of a value: the hexadecimal, octal and binary result formats print the value
// rounded half to even, as the digits of its 64-bit two's complement pattern.

namespace calcorix {

// The `count` lowest digits of the two's complement pattern of n in radix 16, 8 or 2, most
// significant first, leading zeros kept, "0"-"9" and "A"-"F", no sign: RadixDigits(-1, 16, 8) =
// "FFFFFFFF". Digits above the 64 bits are "0". Errors: none; another radix is a programming error
// (std::invalid_argument).
std::string RadixDigits(std::int64_t n, int radix, int count);

}  // namespace calcorix
