#pragma once

#include <string_view>

// The words a user at the interactive prompt may type instead of an expression. They are no
// expressions ("help" and "exit" are unknown names, "?" no character of an expression), so
// nothing that computes is taken from the user; pipes never see them as words.

namespace calcorix {

enum class SessionCommand {
  None,
  Help,  // "help" or "?": the help screen, and the session goes on
  Exit,  // "exit" or "quit": the end of the session, as "q"
};

// The command a typed line is, ignoring the case of its letters and blanks or tabs around it.
SessionCommand SessionCommandOf(std::string_view line);

}  // namespace calcorix
