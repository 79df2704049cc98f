// Standard-input mode at a terminal: the real binary on a pseudo-terminal, typed at as a user
// would, with its history in a folder of the test's own.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "pty_session.hpp"
#include "terminal_screen.hpp"

namespace calcorix::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUp = "\x1b[A";
constexpr const char* kCtrlC = "\x03";
constexpr const char* kCtrlD = "\x04";
constexpr const char* kCtrlR = "\x12";
constexpr const char* kCtrlV = "\x16";
constexpr const char* kCtrlZ = "\x1a";

// A result line as the terminal shows it: after the line end of the typed line, "\r\n" made
// "\r\r\n" by the terminal.
std::string Result(const std::string& value) {
  return "\n" + value + "\r";
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The rows an xterm shows after `bytes`: `columns` wide, and `newColumns` wide from `resizedAt` on.
std::vector<std::string> Screen(std::string_view bytes, int columns,
                                std::size_t resizedAt = std::string::npos, int newColumns = 0) {
  fuzz::TerminalScreen screen(columns, 24);
  screen.Feed(bytes.substr(0, resizedAt));
  if (resizedAt < bytes.size()) {
    screen.Resize(newColumns);
    screen.Feed(bytes.substr(resizedAt));
  }
  return screen.Rows();
}

// The typed line as the screen shows it: the `count` rows above the row that holds only `result`,
// joined.
std::string LineAbove(const std::vector<std::string>& rows, const std::string& result,
                      std::size_t count) {
  const auto found = std::find(rows.begin(), rows.end(), result);
  if (found == rows.end() || found - rows.begin() < static_cast<std::ptrdiff_t>(count)) return {};
  std::string line;
  for (auto row = found - static_cast<std::ptrdiff_t>(count); row != found; ++row)
    line += *row;
  return line;
}

unsigned Mode(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status.st_mode & 07777;
}

class Interactive : public ::testing::Test {
 protected:
  void TearDown() override {
    if (HasFailure() && session_ != nullptr) {
      std::cerr << "The terminal received: " << ::testing::PrintToString(session_->Received())
                << "\n";
    }
  }
  // Types keys that end a line and waits for the result and the next prompt: keys typed before the
  // prompt may reach the terminal while it still edits lines itself (Ctrl-D would be its EOF).
  static bool Compute(PtySession& session, const std::string& keys, const std::string& value,
                      double seconds = 5) {
    session.Type(keys);
    return session.WaitFor(Result(value), seconds) && session.WaitFor("> ");
  }
  // Starts the program on a new terminal (ending the previous one).
  PtySession& Start(const PtyOptions& options) {
    session_.reset();
    session_ = std::make_unique<PtySession>(Binary(), options);
    return *session_;
  }
  std::unique_ptr<PtySession> session_;
  Interactive() : installed_(std::nullopt) {
    folder_ = fs::path(installed_.ConfigPath()).parent_path() / "user";
    fs::create_directories(folder_ / "home");
  }

  PtyOptions Options(std::vector<std::string> arguments = {"-is"}) const {
    PtyOptions options;
    options.arguments = std::move(arguments);
    options.environment = {"HOME=" + (folder_ / "home").string(),
                           "XDG_STATE_HOME=" + (folder_ / "state").string(), "TERM=xterm",
                           "LANG=C.UTF-8", "PATH=/usr/bin:/bin"};
    return options;
  }
  static void Set(PtyOptions& options, const std::string& variable, const std::string& value) {
    for (std::string& entry : options.environment) {
      if (entry.starts_with(variable + "=")) entry = variable + "=" + value;
    }
  }
  fs::path History() const { return folder_ / "state" / "calcorix" / "history"; }
  std::string Binary() const { return installed_.Binary(); }

  Installed installed_;
  fs::path folder_;
};

TEST_F(Interactive, PromptsComputesAndRecallsTheLastLineWithUp) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  ASSERT_TRUE(Compute(session, "2+3\r", "5"));
  session.Type(kUp);
  ASSERT_TRUE(session.WaitFor("2+3"));
  ASSERT_TRUE(Compute(session, "\r", "5"));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, TabCompletesNamesAndASecondTabListsThem) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type("sq\t");
  ASSERT_TRUE(session.WaitFor("SQR"));
  session.Type("\t");
  ASSERT_TRUE(session.WaitFor("SQR("));
  ASSERT_TRUE(session.WaitFor("SQRT("));
  ASSERT_TRUE(session.WaitFor("> SQR"));
  ASSERT_TRUE(Compute(session, "(4)\r", "16"));
  // A sole function brings its "(". Each Tab is pressed on its own: one with keys already behind
  // it came in pasted text.
  session.Type("sqrt\t");
  ASSERT_TRUE(session.WaitFor("SQRT("));
  ASSERT_TRUE(Compute(session, "9)\r", "3"));
  session.Type("2*p\t");
  ASSERT_TRUE(session.WaitFor("P"));
  session.Type("i\t");
  ASSERT_TRUE(session.WaitFor("I"));  // the screen is drawn by differences
  ASSERT_TRUE(Compute(session, "\r", "6.283185307179586"));
  // Pasted tabs are blanks: nothing is completed or listed.
  ASSERT_TRUE(Compute(session, "3\t+\t4\r", "7"));
  EXPECT_EQ(session.Count("POW2("), 0u);  // in the list of every name
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, CtrlCDiscardsTheLineAndTheSessionGoesOn) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type("1+2\x1b[D\x1b[D");
  ASSERT_TRUE(session.WaitFor("1+2\b\b"));
  session.Type(kCtrlC);
  ASSERT_TRUE(session.WaitFor("+2^C\r"));  // after the whole line
  ASSERT_TRUE(session.WaitFor("> "));
  ASSERT_TRUE(Compute(session, "4*5\r", "20"));
  EXPECT_EQ(session.Count(Result("3")), 0u);
  // Also while searching the history.
  session.Type(std::string(kCtrlR) + "4*");
  ASSERT_TRUE(session.WaitFor("4*"));
  session.Type(kCtrlC);
  ASSERT_TRUE(session.WaitFor("^C\r"));
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type("q\r");
  EXPECT_EQ(session.WaitForExit(), 0);
  EXPECT_EQ(ReadFile(History()), "4*5\n");  // a quit line is not kept: Up, Enter would quit
}

TEST_F(Interactive, TheSessionEndsWithStatusZero) {
  struct Case {
    const char* name;
    std::string line;  // computed first
    std::string keys;  // then typed
  };
  const Case cases[] = {
      {"Ctrl-D on an empty line", std::string("1") + kCtrlD + "\r", kCtrlD},
      {"quit line", "2\r", "q\r"},
      {"quit word", "3\r", "Quit\r"},
      {"typed Ctrl+Z byte", "4\r", kCtrlV},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PtySession& session = Start(Options());
    ASSERT_TRUE(session.WaitFor("> "));
    ASSERT_TRUE(Compute(session, c.line, c.line.substr(0, 1)));
    session.Type(c.keys);
    if (c.keys == kCtrlV) {
      ASSERT_TRUE(session.WaitForQuotedKey());
      session.Type(kCtrlZ);
    }
    EXPECT_EQ(session.WaitForExit(), 0);
    EXPECT_EQ(session.Count(Result("0")), 0u);  // an empty line is not computed on the way out
  }
}

TEST_F(Interactive, TypedCtrlZByteEndsTheInputWhereItStands) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type(std::string("7*6") + kCtrlV);
  ASSERT_TRUE(session.WaitForQuotedKey());
  session.Type(kCtrlZ);
  ASSERT_TRUE(session.WaitFor(Result("42")));
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, OnlyTheFirst255CharactersOfATypedLineCount) {
  PtySession& session = Start(Options({"-is", "-x"}));
  ASSERT_TRUE(session.WaitFor("> "));
  // 255 characters of "+1" sums, then more that no longer count; a pasted flood is cut short.
  std::string line = "1";
  while (line.size() < 255)
    line += "+1";
  session.Type(line + "+1+1+1" + std::string(20000, '1') + "\r");
  ASSERT_TRUE(session.WaitFor("liczy się tylko 255 pierwszych.\r", 30));
  ASSERT_TRUE(session.WaitFor(Result("128")));
  ASSERT_TRUE(session.WaitFor("> "));
  EXPECT_LT(session.Received().size(), 20000u);
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 2);  // -x: the cut is a failure, as in a pipe
  EXPECT_EQ(ReadFile(History()), line + "\n");
}

TEST_F(Interactive, LineEndsTypedLiterallySplitTheLine) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type(std::string("1+1") + kCtrlV);
  ASSERT_TRUE(session.WaitForQuotedKey());
  session.Type("\n2+2");
  ASSERT_TRUE(session.WaitFor("2+2"));
  session.Type(kCtrlV);
  ASSERT_TRUE(session.WaitForQuotedKey());
  session.Type("\r\r");
  ASSERT_TRUE(session.WaitFor(Result("2")));
  ASSERT_TRUE(session.WaitFor("\n4\r"));
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
  EXPECT_EQ(ReadFile(History()), "1+1\n2+2\n");
}

TEST_F(Interactive, HistoryIsKeptBetweenSessions) {
  {
    PtySession& session = Start(Options());
    ASSERT_TRUE(session.WaitFor("> "));
    ASSERT_TRUE(Compute(session, "6*7\r", "42"));
    session.Type(kCtrlD);
    EXPECT_EQ(session.WaitForExit(), 0);
  }
  EXPECT_EQ(ReadFile(History()), "6*7\n");
  EXPECT_EQ(Mode(History()), 0600u);
  EXPECT_EQ(Mode(History().parent_path()), 0700u);
  EXPECT_EQ(Mode(folder_ / "state"), 0700u);

  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type(kUp);
  ASSERT_TRUE(session.WaitFor("6*7"));
  ASSERT_TRUE(Compute(session, "\r", "42"));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, CtrlRFindsTypedTextInTheHistory) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  // A first session has no history yet: nothing is found.
  session.Type(std::string(kCtrlR) + "x");
  ASSERT_TRUE(session.WaitFor("(brak)"));
  ASSERT_TRUE(Compute(session, "\r", "0"));
  for (const char* line : {"6*7\r", "2^10\r", "sqrt(16)*3\r", "1+1\r"}) {
    session.Type(line);
    ASSERT_TRUE(session.WaitFor("> "));
  }
  // The line found shows in the result after Enter (the screen is drawn by differences, so the
  // found line rarely arrives in one piece).
  struct Case {
    std::string keys;
    std::string value;
  };
  const Case cases[] = {
      {"*", "12"},
      {std::string("*") + kCtrlR, "42"},  // the next older line that differs
      {"^1", "1024"},
      {"SQRT", "12"},
      {"*x", "12"},  // nothing more found: the last line found stays
      {"*x\x7f\x7f"
       "2^",
       "1024"},
      {"6*\x1b[D", "42"},  // another key ends the search and does its work
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    session.Type(kCtrlR + c.keys);
    ASSERT_TRUE(session.WaitFor("szukaj"));
    ASSERT_TRUE(Compute(session, "\r", c.value));
  }
  EXPECT_EQ(session.Count("(brak)"), 3u);
  // Ctrl-G gives back the line the search began on.
  session.Type(std::string("5-1") + kCtrlR + "2^");
  ASSERT_TRUE(session.WaitFor("2^10"));
  ASSERT_TRUE(Compute(session, "\a\r", "4"));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, HistoryFileHoldsTheNewestThousandLines) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  std::string keys;
  for (int i = 0; i < 1010; ++i)
    keys += "1+" + std::to_string(i) + "\r";
  ASSERT_TRUE(Compute(session, keys, "1010", 30));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
  std::string expected;
  for (int i = 10; i < 1010; ++i)
    expected += "1+" + std::to_string(i) + "\n";
  EXPECT_EQ(ReadFile(History()), expected);
  EXPECT_EQ(Mode(History()), 0600u);
}

TEST_F(Interactive, AnUnusableHistoryGivesOneNoteAndAWorkingSession) {
  struct Case {
    const char* name;
    std::string stateHome;
    std::string note;  // the path as the note shows it
  };
  const fs::path file = folder_ / "file";
  std::ofstream(file) << "not a folder";
  fs::create_directories(folder_ / "broken" / "calcorix" / "history");
  const Case cases[] = {
      {"a file where the folder should be", file.string(), file.string() + "/calcorix/history"},
      {"a folder where the file should be", (folder_ / "broken").string(),
       (folder_ / "broken").string() + "/calcorix/history"},
      {"escape sequences in the path", file.string() + "/\x1b]2;title\a",
       file.string() + "/\\x1B]2;title\\x07/calcorix/history"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PtyOptions options = Options();
    Set(options, "XDG_STATE_HOME", c.stateHome);
    PtySession& session = Start(options);
    ASSERT_TRUE(session.WaitFor("> "));
    ASSERT_TRUE(Compute(session, "1+1\r", "2"));
    ASSERT_TRUE(Compute(session, "2+2\r", "4"));
    session.Type(kUp);  // kept for the session all the same
    ASSERT_TRUE(session.WaitFor("2+2"));
    ASSERT_TRUE(Compute(session, "\r", "4"));
    session.Type(kCtrlD);
    EXPECT_EQ(session.WaitForExit(), 0);
    EXPECT_EQ(session.Count("Historia niedostępna: "), 1u);
    EXPECT_EQ(session.Count("Historia niedostępna: " + c.note + "\r"), 1u);
  }
  EXPECT_TRUE(fs::is_directory(folder_ / "broken" / "calcorix" / "history"));
}

TEST_F(Interactive, WithoutAUsableTerminalTheLinesAreReadPlainly) {
  // The terminal echoes what is typed; the program writes no prompt and no escape sequence.
  const std::string expected = "2+3\r\n5\r\r\n";
  for (const char* term : {"TERM=dumb", "TERM=no-such-terminal", "TERM="}) {
    SCOPED_TRACE(term);
    PtyOptions options = Options();
    Set(options, "TERM", std::string(term).substr(5));
    PtySession& session = Start(options);
    session.Type("2+3\n");
    ASSERT_TRUE(session.WaitFor("5\r"));
    session.Type(kCtrlD);
    EXPECT_EQ(session.WaitForExit(), 0);
    EXPECT_EQ(session.Received(), expected);
    EXPECT_FALSE(fs::exists(History()));
  }
}

TEST_F(Interactive, StandardOutputToAFileGetsTheBytesOfAPipe) {
  PtyOptions options = Options();
  options.standardOutputFile = (folder_ / "output").string();
  PtySession& session = Start(options);
  session.Type("2+3\n# note\n1/0\nq\n");
  EXPECT_EQ(session.WaitForExit(), 0);
  EXPECT_EQ(session.Received(), "2+3\r\n# note\r\n1/0\r\nq\r\n");  // the terminal's echo alone
  EXPECT_EQ(ReadFile(folder_ / "output"), Lines({"5", "# note", "Błąd: dzielenie przez zero."}));
}

TEST_F(Interactive, CalcorixAloneGetsTheSessionFromTheConfigurationFile) {
  std::ofstream(installed_.ConfigPath()) << "-iS\n";
  PtySession& session = Start(Options({}));
  ASSERT_TRUE(session.WaitFor("Wpisz wyrażenie, max. 255 znaków, q lub Ctrl+Z - wyjście.\r"));
  ASSERT_TRUE(session.WaitFor("> "));
  ASSERT_TRUE(Compute(session, "1+1\r", "2"));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

// The line as it was typed stays on the screen above its result: after a resize, and after an
// insertion that pushes the rows of a long line along.
TEST_F(Interactive, TheScreenShowsTheLineAboveItsResult) {
  std::string ones = "1";
  while (ones.size() < 119)
    ones += "+1";
  std::string numbers = "1";  // no row of it looks like another
  for (int n = 2; n <= 45; ++n)
    numbers += "+" + std::to_string(n);
  struct Case {
    const char* name;
    unsigned short columns, newColumns;
    std::string keys, line, result;
  };
  const Case cases[] = {
      {"resized from 100 to 40 columns", 100, 40, ones + "+2", ones + "+2", "62"},
      {"inserted at the start", 20, 20, numbers + "\x01" + "7+7+7+7+7+7+7+7+7+7+",
       "7+7+7+7+7+7+7+7+7+7+" + numbers, "1105"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PtyOptions options = Options();
    options.columns = c.columns;
    PtySession& session = Start(options);
    ASSERT_TRUE(session.WaitFor("> "));
    session.Type(c.keys);
    ASSERT_TRUE(session.WaitFor(c.keys.substr(c.keys.size() - 2)));
    session.WaitFor(std::string(1, c.keys.back()), 0.3);  // drawn to the end, as far as it goes
    const std::size_t resizedAt = session.Received().size();
    session.Resize(c.newColumns, 24);
    session.WaitFor("> ", 1);  // drawn anew for the new width before Enter
    ASSERT_TRUE(Compute(session, "\r", c.result));
    const std::vector<std::string> rows =
        Screen(session.Received(), c.columns, resizedAt, c.newColumns);
    EXPECT_EQ(LineAbove(rows, c.result, (c.line.size() + 2 + c.newColumns - 1) / c.newColumns),
              "> " + c.line);
    session.Type(kCtrlD);
    EXPECT_EQ(session.WaitForExit(), 0);
  }
}

// The C library decodes five- and six-byte sequences that libedit cannot encode again.
TEST_F(Interactive, BytesThatFormNoCharacterAreDropped) {
  const std::string noCharacter = "\xfd\xb6\xb6\xb6\xb6\xb6";
  fs::create_directories(History().parent_path());
  std::ofstream(History(), std::ios::binary) << "2*" + noCharacter + "\n3*3\n";
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  ASSERT_TRUE(Compute(session, "1+1" + noCharacter + "\r", "2"));
  ASSERT_TRUE(Compute(session, std::string(kUp) + kUp + kUp + "\r", "9"));
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, AResizeWhileCtrlVWaitsTypesNothing) {
  PtySession& session = Start(Options());
  ASSERT_TRUE(session.WaitFor("> "));
  session.Type(std::string("1+2") + kCtrlV);
  ASSERT_TRUE(session.WaitForQuotedKey());
  session.Resize(60, 24);
  session.WaitFor("1+2", 1);                   // drawn anew
  ASSERT_TRUE(Compute(session, "+4\r", "7"));  // the "+" after Ctrl-V, as it is
  session.Type(kCtrlD);
  EXPECT_EQ(session.WaitForExit(), 0);
}

TEST_F(Interactive, ResizeSuspendAndSignalsLeaveTheLineWhole) {
  PtyOptions options = Options();
  options.columns = 20;
  PtySession& session = Start(options);
  ASSERT_TRUE(session.WaitFor("> "));
  // Ctrl-Z, like Ctrl-C, makes the terminal drop keys not yet read: each is awaited first.
  session.Type("1+1+1+1+1+1+1+2");
  ASSERT_TRUE(session.WaitFor("2"));
  session.Resize(40, 24);
  session.Type("+1+1+1+1+1+1+1+3");
  ASSERT_TRUE(session.WaitFor("3"));
  // The test's terminal has no job control, so the stop is discarded; the line is drawn anew.
  session.Type(kCtrlZ);
  ASSERT_TRUE(session.WaitFor("^Z"));
  ASSERT_TRUE(session.WaitFor("> 1+1"));
  ASSERT_TRUE(Compute(session, "+4\r", "23"));
  session.Signal(SIGTERM);
  EXPECT_EQ(session.WaitForExit(), -1);
  EXPECT_EQ(session.EndingSignal(), SIGTERM);
}

}  // namespace
}  // namespace calcorix::test
