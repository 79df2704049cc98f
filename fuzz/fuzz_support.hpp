#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the three fuzz targets share: how a broken property is reported (libFuzzer keeps the input
// of any abort), and the check that captured output is made of whole CR LF lines.

namespace calcorix::fuzz {

[[noreturn]] inline void Fail(const char* property, std::string_view detail) {
  std::fprintf(stderr, "property broken: %s\n%.*s\n", property, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

// The lines of captured output, without their CR LF. Every line must end in CR LF, and the
// program's own lines hold no other CR or LF: a line end inside a line would show up as two.
inline std::vector<std::string_view> OutputLines(std::string_view output) {
  std::vector<std::string_view> lines;
  while (!output.empty()) {
    const std::size_t end = output.find("\r\n");
    if (end == std::string_view::npos) Fail("output ends without CR LF", output);
    const std::string_view line = output.substr(0, end);
    if (line.find_first_of("\r\n") != std::string_view::npos) Fail("bare CR or LF", output);
    lines.push_back(line);
    output.remove_prefix(end + 2);
  }
  return lines;
}

}  // namespace calcorix::fuzz
