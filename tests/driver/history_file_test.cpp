#include "driver/history_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace calcorix::test {
namespace {

namespace fs = std::filesystem;

class HistoryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("calcorix-history-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static unsigned Mode(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
  }

  fs::path folder_;
};

TEST(HistoryPath, FollowsTheXdgStateFolder) {
  struct Case {
    const char* xdgStateHome;
    const char* home;
    std::string path;
  };
  const Case cases[] = {
      {"/state", "/home/u", "/state/calcorix/history"},
      {"/state", nullptr, "/state/calcorix/history"},
      {nullptr, "/home/u", "/home/u/.local/state/calcorix/history"},
      {"", "/home/u", "/home/u/.local/state/calcorix/history"},
      {"relative/state", "/home/u", "/home/u/.local/state/calcorix/history"},
      {nullptr, nullptr, ""},
      {nullptr, "", ""},
      {nullptr, "relhome", ""},  // not wherever the program happens to start
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.xdgStateHome ? c.xdgStateHome : "(unset)") + " " +
                 (c.home ? c.home : "(unset)"));
    EXPECT_EQ(HistoryPath(c.xdgStateHome, c.home), c.path);
  }
}

TEST(AddHistoryEntry, LeavesOutEmptyLinesCommandsAndRepeats) {
  std::vector<std::string> entries;
  const std::pair<const char*, bool> steps[] = {
      {"1+1", true}, {"", false},     {"1+1", false}, {"2", true},
      {"1+1", true}, {"1+1 ", true},  {"q", false},   {"Quit", false},
      {" q", true},  {"help", false}, {"?", false},   {" Exit\t", false},
  };
  for (const auto& [line, added] : steps)
    EXPECT_EQ(AddHistoryEntry(entries, line), added) << line;
  EXPECT_EQ(entries, (std::vector<std::string>{"1+1", "2", "1+1", "1+1 ", " q"}));
}

TEST(AddHistoryEntry, KeepsTheNewestThousand) {
  std::vector<std::string> entries;
  for (int i = 0; i < 1005; ++i)
    AddHistoryEntry(entries, std::to_string(i));
  ASSERT_EQ(entries.size(), kHistoryLimit);
  EXPECT_EQ(entries.front(), "5");
  EXPECT_EQ(entries.back(), "1004");
}

TEST_F(HistoryFileTest, AppendCreatesPrivateFoldersAndFileWhateverTheUmask) {
  for (const mode_t mask : {0022, 0277, 0377}) {
    SCOPED_TRACE(mask);
    const fs::path path = folder_ / std::to_string(mask) / "state" / "calcorix" / "history";
    const mode_t before = ::umask(mask);
    EXPECT_TRUE(AppendHistory(path, "2+3"));
    EXPECT_TRUE(AppendHistory(path, "2+3"));
    EXPECT_TRUE(AppendHistory(path, "# note"));
    ::umask(before);
    EXPECT_EQ(Read(path), "2+3\n# note\n");
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(Mode(path.parent_path()), 0700u);
    EXPECT_EQ(Mode(path.parent_path().parent_path()), 0700u);
    // Nothing but the file and its lock is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()),
              2);
  }
}

TEST_F(HistoryFileTest, SessionsSavingAtOnceKeepEveryLine) {
  const fs::path path = folder_ / "history";
  const auto session = [&](char name) {
    for (int i = 0; i < 300; ++i)
      EXPECT_TRUE(AppendHistory(path, name + std::to_string(i)));
  };
  std::thread other(session, 'a');
  session('b');
  other.join();
  std::vector<std::string> entries;
  ASSERT_TRUE(LoadHistory(path, entries));
  EXPECT_EQ(entries.size(), 600u);
}

TEST_F(HistoryFileTest, AppendKeepsWhatAnotherSessionSaved) {
  const fs::path path = folder_ / "history";
  Write(path, "a\nb\n");
  ::chmod(path.c_str(), 0644);
  EXPECT_TRUE(AppendHistory(path, "c"));
  Write(path, Read(path) + "d\n");
  EXPECT_TRUE(AppendHistory(path, "e"));
  EXPECT_EQ(Read(path), "a\nb\nc\nd\ne\n");
  EXPECT_EQ(Mode(path), 0600u);  // a rewritten file is private even if it was not
}

TEST_F(HistoryFileTest, LoadReadsEntriesAsTyped) {
  struct Case {
    std::string bytes;
    std::vector<std::string> entries;
  };
  const std::string longest(255, 'x');
  const Case cases[] = {
      {"", {}},
      {"1\n2\n", {"1", "2"}},
      {"1\r\n2", {"1", "2"}},
      {"\n\n1\n\n1\n2\n", {"1", "2"}},
      {longest + "yz\n", {longest}},
  };
  const fs::path path = folder_ / "history";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    Write(path, c.bytes);
    std::vector<std::string> entries{"stale"};
    EXPECT_TRUE(LoadHistory(path, entries));
    EXPECT_EQ(entries, c.entries);
  }
}

TEST_F(HistoryFileTest, LoadReadsOnlyTheEndOfAHugeFile) {
  const fs::path path = folder_ / "history";
  std::string bytes;
  for (int i = 0; i < 200000; ++i)
    bytes += "line number " + std::to_string(i) + "\n";
  Write(path, bytes);
  std::vector<std::string> entries;
  EXPECT_TRUE(LoadHistory(path, entries));
  ASSERT_EQ(entries.size(), kHistoryLimit);
  EXPECT_EQ(entries.front(), "line number 199000");
  EXPECT_EQ(entries.back(), "line number 199999");

  Write(path, std::string(3 << 20, 'x'));  // no line end at all
  EXPECT_TRUE(LoadHistory(path, entries));
  EXPECT_TRUE(entries.empty());
}

TEST_F(HistoryFileTest, FailsWhenTheFileCannotBeUsed) {
  std::vector<std::string> entries;
  EXPECT_TRUE(LoadHistory(folder_ / "missing", entries));
  EXPECT_TRUE(entries.empty());

  // A folder where the file should be: neither read nor replaced.
  fs::create_directories(folder_ / "folder");
  EXPECT_FALSE(LoadHistory(folder_ / "folder", entries));
  EXPECT_FALSE(AppendHistory(folder_ / "folder", "1"));
  EXPECT_TRUE(fs::is_directory(folder_ / "folder"));

  // A file where a folder should be.
  Write(folder_ / "file", "");
  EXPECT_FALSE(AppendHistory(folder_ / "file" / "calcorix" / "history", "1"));

  // A FIFO: not opened, so nothing waits for a writer.
  ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(LoadHistory(folder_ / "fifo", entries));
  EXPECT_FALSE(AppendHistory(folder_ / "fifo", "1"));
  EXPECT_EQ(fs::status(folder_ / "fifo").type(), fs::file_type::fifo);
}

}  // namespace
}  // namespace calcorix::test
