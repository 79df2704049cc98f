#include "driver/session_commands.hpp"

#include <gtest/gtest.h>

namespace calcorix::test {
namespace {

TEST(SessionCommands, OnlyTheWholeWordsCount) {
  const struct {
    const char* line;
    SessionCommand command;
  } rows[] = {
      {"help", SessionCommand::Help},  {" Help\t", SessionCommand::Help},
      {"?", SessionCommand::Help},     {"EXIT", SessionCommand::Exit},
      {"quit ", SessionCommand::Exit}, {"helpme", SessionCommand::None},
      {"? 1", SessionCommand::None},   {"ex it", SessionCommand::None},
      {"", SessionCommand::None},      {"2+2", SessionCommand::None},
  };
  for (const auto& row : rows)
    EXPECT_EQ(SessionCommandOf(row.line), row.command) << row.line;
}

}  // namespace
}  // namespace calcorix::test
