#include "driver/session_commands.hpp"

#include <algorithm>

#include "base/text.hpp"

namespace calcorix {

SessionCommand SessionCommandOf(std::string_view line) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!line.empty() && blank(line.front()))
    line.remove_prefix(1);
  while (!line.empty() && blank(line.back()))
    line.remove_suffix(1);
  const auto is = [line](std::string_view word) {
    return std::ranges::equal(line, word, [](char a, char b) { return LowerAscii(a) == b; });
  };
  if (is("help") || is("?")) return SessionCommand::Help;
  if (is("exit") || is("quit")) return SessionCommand::Exit;
  return SessionCommand::None;
}

}  // namespace calcorix
