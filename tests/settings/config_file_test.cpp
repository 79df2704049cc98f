#include "settings/config_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "settings_fixture.hpp"

namespace calcorix {
namespace {

using ConfigFile = SettingsTest;
using Lines = std::vector<std::string>;

TEST_F(ConfigFile, SplitsLinesAtLfCrAndCrLfUpToCtrlZ) {
  const std::string longLine(300, 'x');
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"", {""}},
      {"\n", {""}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\n\n", {"a", ""}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"ab\x1A"
       "cd\nef",
       {"ab"}},
      {"ab\n\x1A"
       "cd",
       {"ab"}},
      {"\x1A\nab", {""}},
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
      {longLine + "\nb", {std::string(255, 'x'), "b"}},
      {longLine, {std::string(255, 'x')}},
  };
  for (const auto& c : cases) {
    const std::string path = WriteConfig(c.bytes);
    ASSERT_EQ(ConfigLineCount(path), c.lines.size()) << testing::PrintToString(c.bytes);
    for (std::size_t n = 1; n <= c.lines.size(); ++n) {
      EXPECT_EQ(ConfigLine(path, n), c.lines[n - 1]) << testing::PrintToString(c.bytes) << n;
    }
    EXPECT_EQ(ConfigLine(path, c.lines.size() + 5), c.lines.back());
    EXPECT_EQ(ConfigLine(path, 0), "");
  }
}

TEST_F(ConfigFile, CrLfSplitAcrossReadBlocksIsOneLineEnd) {
  // The reader takes 64 KiB at a time; put the CR as the last byte of the first block.
  const std::string first(64 * 1024 - 1, 'a');
  const std::string path = WriteConfig(first + "\r\n-tG");
  EXPECT_EQ(ConfigLineCount(path), 2u);
  EXPECT_EQ(ConfigText(path, 't'), "G");
}

TEST_F(ConfigFile, KeyLookUps) {
  const struct {
    std::string bytes;
    char letter;
    std::size_t line;
    std::string text;
    std::int32_t integer;
  } cases[] = {
      {"-iS\n-tD\n-oE\n-f4\n", 'f', 4, "4", 4},
      {"-iS\n-tD\n-oE\n-f4\n", 'o', 3, "E", 0},
      {"/tG", 't', 1, "G", 0},
      {"-TG", 't', 1, "G", 0},
      {"-tg", 'T', 1, "g", 0},
      {"- tD", 't', 0, "", 0},
      {"- tD", ' ', 1, "tD", 0},
      {"-tD ; degrees", 't', 1, "D ; degrees", 0},
      {"-tD\n-tG", 't', 1, "D", 0},
      {"-t'D'", 't', 1, "D", 0},
      {"-t[D\nx]", 't', 1, "D x", 0},
      {"-t[D\n\nx]\n-oH", 't', 1, "D  x", 0},
      {"-t[D\nx", 't', 1, "D ", 0},  // the file ends first: the last character goes all the same
      {"-t'", 't', 1, "", 0},
      {"-f", 'f', 1, "", 0},
      {"-f16", 'f', 1, "16", 16},
      {"-f 12", 'f', 1, " 12", 12},
      {"-f$10\r\n", 'f', 1, "$10", 16},
      {"-f'5'", 'f', 1, "5", 0},
      {"note: -tD\n; comment\n\n  -tD\nt-D\n/tR", 't', 6, "R", 0},
      {"-tD\x1A\n-oH", 'o', 0, "", 0},
      {"-t\x1A"
       "D",
       't', 1, "", 0},
      {"-tD\x1A"
       "x",
       't', 1, "D", 0},
      {"", 't', 0, "", 0},
      {"-", 't', 0, "", 0},
      {"\n\n", 't', 0, "", 0},
  };
  for (const auto& c : cases) {
    const std::string path = WriteConfig(c.bytes);
    const std::string label = testing::PrintToString(c.bytes) + " " + c.letter;
    EXPECT_EQ(FindConfigKey(path, c.letter), c.line) << label;
    EXPECT_EQ(ConfigKeyPresent(path, c.letter), c.line != 0) << label;
    EXPECT_EQ(ConfigText(path, c.letter), c.text) << label;
    EXPECT_EQ(ConfigInteger(path, c.letter), c.integer) << label;
  }
}

TEST_F(ConfigFile, AnUnreadableFileAnswersAsIfEveryKeyWereAbsent) {
  ASSERT_EQ(::mkfifo(PathOf("fifo").c_str(), 0600), 0);  // no writer: opening must not wait
  std::filesystem::create_directory(PathOf("dir"));
  const std::string paths[] = {PathOf("missing"), PathOf("dir"), PathOf("fifo"), "",
                               std::string("/etc/passwd\0x", 13)};
  for (const std::string& path : paths) {
    EXPECT_EQ(ConfigLineCount(path), 0u) << path;
    EXPECT_EQ(ConfigLine(path, 1), "") << path;
    EXPECT_EQ(FindConfigKey(path, 't'), 0u) << path;
    EXPECT_EQ(ConfigText(path, 't'), "") << path;
    EXPECT_EQ(ConfigInteger(path, 'f'), 0) << path;
  }
}

TEST_F(ConfigFile, EveryLineCountsBeyond65535) {
  std::string bytes;
  for (int i = 0; i < 99999; ++i)
    bytes += "; filler line\n";
  bytes += "-tG\n";
  const std::string path = WriteConfig(bytes);
  EXPECT_EQ(ConfigLineCount(path), 100000u);
  EXPECT_EQ(FindConfigKey(path, 't'), 100000u);
  EXPECT_EQ(ConfigText(path, 't'), "G");
  EXPECT_EQ(ConfigLine(path, 65537), "; filler line");
}

TEST_F(ConfigFile, AnOpenQuoteJoinsAtMost255Characters) {
  std::string bytes = "-t[";
  for (int i = 0; i < 1000; ++i)
    bytes += "\n";
  const std::string path = WriteConfig(bytes);
  EXPECT_EQ(ConfigText(path, 't'), std::string(254, ' '));
}

}  // namespace
}  // namespace calcorix
