#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/cp852.hpp"

namespace calcorix::test {

// Program texts as the program writes them: code page 852, each line ending in CR LF.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) {
    AppendAsCp852(line, bytes);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace calcorix::test
