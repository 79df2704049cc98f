// -p at a terminal: the plot takes the window's width and its rows less 4.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "pty_session.hpp"

namespace calcorix::test {
namespace {

int Utf8Width(std::string_view text) {
  int width = 0;
  for (const char c : text)
    width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return width;
}

TEST(TerminalGraph, FillsTheWindowLessFourRows) {
  Installed installed(std::nullopt);
  PtyOptions options;
  options.arguments = {"-p", "-l0:0.1:6.3", "sin(LI)"};
  options.environment = {"LANG=C.UTF-8", "PATH=/usr/bin:/bin"};
  options.columns = 70;
  options.rows = 20;
  PtySession session(installed.Binary(), options);
  ASSERT_EQ(session.WaitForExit(), 0);
  // The terminal makes each CR LF a CR CR LF.
  std::vector<std::string> lines;
  const std::string& received = session.Received();
  for (std::size_t at = 0, end; (end = received.find("\r\r\n", at)) != std::string::npos;
       at = end + 3)
    lines.push_back(received.substr(at, end - at));
  ASSERT_EQ(lines.size(), 16u) << received;
  EXPECT_EQ(Utf8Width(lines.front()), 70) << lines.front();
  EXPECT_NE(received.find("\xE2\xA0"), std::string::npos) << "no braille in " << received;
}

}  // namespace
}  // namespace calcorix::test
