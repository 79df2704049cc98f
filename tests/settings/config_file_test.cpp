#include "settings/config_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "settings_fixture.hpp"

namespace calcorix::test {
namespace {

using ConfigFileTest = SettingsTest;

TEST_F(ConfigFileTest, CountsItsLines) {
  const struct {
    std::string bytes;
    std::size_t lines;
  } cases[] = {{"", 1},           {"\n", 1},     {"a", 1},         {"a\n\n", 2},
               {"a\r\nb\r\n", 2}, {"a\r\rb", 3}, {"ab\x1A\ncd", 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ConfigFile(WriteConfig(c.bytes)).ConfigLineCount(), c.lines)
        << testing::PrintToString(c.bytes);
  }
}

TEST_F(ConfigFileTest, KeyLookUps) {
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
      {"-t[D\n-o'H\nx]\ny'", 't', 1, "D -o'H x", 0},  // quotes of two keys open at once
      {"-t[D\n-o'H\nx]\ny'", 'o', 2, "H x] y", 0},
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
    const std::string label = testing::PrintToString(c.bytes) + " " + c.letter;
    // Read in one piece and in blocks of a few bytes: the answers are the same.
    for (const std::size_t block : {kDefaultBlockSize, std::size_t{3}}) {
      const ConfigFile config(WriteConfig(c.bytes), block);
      EXPECT_EQ(config.FindConfigKey(c.letter), c.line) << label;
      EXPECT_EQ(config.ConfigKeyPresent(c.letter), c.line != 0) << label;
      EXPECT_EQ(config.ConfigText(c.letter), c.text) << label;
      EXPECT_EQ(config.ConfigInteger(c.letter), c.integer) << label;
    }
  }
}

TEST_F(ConfigFileTest, AnUnreadableFileAnswersAsIfEveryKeyWereAbsent) {
  std::filesystem::create_directory(PathOf("dir"));
#ifdef _WIN32
  const std::string paths[] = {PathOf("missing"), PathOf("dir"), "NUL", ""};
#else
  ASSERT_EQ(::mkfifo(PathOf("fifo").c_str(), 0600), 0);  // no writer: opening must not wait
  std::filesystem::create_symlink(PathOf("fifo"), PathOf("link-to-fifo"));
  std::filesystem::create_symlink("/dev/null", PathOf("link-to-null"));
  const std::string paths[] = {PathOf("missing"),
                               PathOf("dir"),
                               PathOf("fifo"),
                               PathOf("link-to-fifo"),
                               PathOf("link-to-null"),
                               "",
                               std::string("/etc/passwd\0x", 13)};
#endif
  for (const std::string& path : paths) {
    const ConfigFile config(path);
    EXPECT_FALSE(config.IsOpen()) << path;
    EXPECT_EQ(config.ConfigLineCount(), 0u) << path;
    EXPECT_EQ(config.FindConfigKey('t'), 0u) << path;
    EXPECT_EQ(config.ConfigText('t'), "") << path;
    EXPECT_EQ(config.ConfigInteger('f'), 0) << path;
  }
}

TEST_F(ConfigFileTest, IsReadOnceSoARewrittenFileChangesNoAnswer) {
  const std::string path = WriteConfig("-tD\n-f4\n");
  const ConfigFile config(path);
  WriteConfig("-tG\n");  // rewritten between the look-ups of one start-up
  EXPECT_EQ(config.ConfigText('t'), "D");
  EXPECT_TRUE(config.ConfigKeyPresent('f'));
  EXPECT_EQ(config.ConfigInteger('f'), 4);
}

TEST_F(ConfigFileTest, EveryLineCountsBeyond65535) {
  std::string bytes;
  for (int i = 0; i < 99999; ++i)
    bytes += "; filler line\n";
  bytes += "-tG\n";
  const ConfigFile config(WriteConfig(bytes));
  EXPECT_EQ(config.ConfigLineCount(), 100000u);
  EXPECT_EQ(config.FindConfigKey('t'), 100000u);
  EXPECT_EQ(config.ConfigText('t'), "G");
}

TEST_F(ConfigFileTest, AnOpenQuoteJoinsAtMost255Characters) {
  std::string bytes = "-t[";
  for (int i = 0; i < 1000; ++i)
    bytes += "\n";
  EXPECT_EQ(ConfigFile(WriteConfig(bytes)).ConfigText('t'), std::string(254, ' '));
}

}  // namespace
}  // namespace calcorix::test
