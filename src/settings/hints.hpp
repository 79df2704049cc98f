#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/command_line.hpp"

// Notes for a user at a terminal about mistakes that change nothing the program prints, but were
// probably not meant: the program goes on exactly as it would without them. Each note is one line
// of plain text: a control character that it quotes is written as \xHH.

namespace calcorix {

// The notes about the command line: a switch whose letter the program does not
// know (-v, --foo); a word that begins with "-" but reads as a negative number or an expression
// (-1+2); "-f" without digits followed by a number (-f 2); a switch value that is no usable value
// (-tx); an expression cut at 255 characters.
std::vector<std::string> CommandLineHints(const CommandLine& line);

// The note about a configuration-file key line whose value is unusable.
std::string ConfigValueHint(std::string_view path, std::size_t line, char letter,
                            std::string_view value);

// The note for an expression or a line of standard input longer than 255 characters.
std::string_view CutExpressionHint();

// The note for a start without parameters while standard input is a pipe or a file.
std::string_view UnreadInputHint();

}  // namespace calcorix
