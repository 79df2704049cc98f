// Lines as standard input and the configuration file both deliver them, read through a pipe and
// from a file, whole and in blocks so small that every line end and Ctrl+Z falls on a boundary.

#include "platform/line_reader.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace calcorix::test {
namespace {

using Lines = std::vector<std::string>;

int MakePipe(int fds[2]) {
#ifdef _WIN32
  return ::_pipe(fds, 1 << 16, _O_BINARY);
#else
  return ::pipe(fds);
#endif
}

Lines ReadAll(int descriptor, std::size_t blockSize) {
  LineReader reader(descriptor, blockSize);
  Lines lines;
  std::string line;
  do {
    reader.ReadLine(line);
    lines.push_back(line);
  } while (!reader.AtEnd());
  EXPECT_FALSE(reader.Failed());
  return lines;
}

Lines ThroughAPipe(const std::string& bytes, std::size_t blockSize) {
  int fds[2];
  EXPECT_EQ(MakePipe(fds), 0);
  std::thread writer([&] {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fds[1], bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::close(fds[1]);
  });
  const Lines lines = ReadAll(fds[0], blockSize);
  writer.join();
  ::close(fds[0]);
  return lines;
}

Lines FromAFile(const std::string& bytes, std::size_t blockSize) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
  ::lseek(::fileno(file), 0, SEEK_SET);
  const Lines lines = ReadAll(::fileno(file), blockSize);
  std::fclose(file);
  return lines;
}

TEST(LineReader, SplitsLinesAtLfCrAndCrLfUpToCtrlZ) {
  const std::string longest(255, 'a');
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"", {""}},
      {"\n", {""}},
      {"1", {"1"}},
      {"1\n", {"1"}},
      {"1\n\n", {"1", ""}},
      {"1\r\n2\r\n", {"1", "2"}},
      {"1\r2\r", {"1", "2"}},
      {"1\n\r2", {"1", "", "2"}},
      {"1\r\r\n2", {"1", "", "2"}},
      {"1\x1A"
       "2\n3",
       {"1"}},
      {"1\n\x1A"
       "2",
       {"1"}},
      {"\x1A", {""}},
      {"\x1A\nab", {""}},
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
      {longest + "bcd\nx", {longest, "x"}},
      {longest + "b", {longest}},
      {std::string(200000, '7') + "\r\n8", {std::string(255, '7'), "8"}},
  };
  for (const auto& c : cases) {
    for (const std::size_t block :
         {std::size_t{1}, std::size_t{2}, std::size_t{7}, kDefaultBlockSize}) {
      EXPECT_EQ(ThroughAPipe(c.bytes, block), c.lines) << c.bytes.substr(0, 20) << " " << block;
      EXPECT_EQ(FromAFile(c.bytes, block), c.lines) << c.bytes.substr(0, 20) << " " << block;
    }
  }
}

TEST(LineReader, ACrLfAcrossTwoBlocksIsOneLineEnd) {
  const std::string first(64 * 1024 - 1, 'a');
  EXPECT_EQ(FromAFile(first + "\r\nb", kDefaultBlockSize), (Lines{std::string(255, 'a'), "b"}));
}

TEST(LineReader, AFailedReadIsNoEndOfData) {
#ifndef _WIN32  // the C library opens no directory on Windows
  // A directory opens, but every read of it fails.
  const int directory = ::open("/", O_RDONLY | O_CLOEXEC);
  ASSERT_GE(directory, 0);
  LineReader reader(directory);
  std::string line = "x";
  reader.ReadLine(line);
  EXPECT_EQ(line, "");
  EXPECT_TRUE(reader.Failed());
  EXPECT_TRUE(reader.AtEnd());
  ::close(directory);
#endif

  LineReader closed(-1);
  EXPECT_TRUE(closed.AtEnd());
  EXPECT_TRUE(closed.Failed());
}

TEST(LineReader, RunsItsHookBeforeEveryRead) {
  static int reads = 0;
  reads = 0;
  int fds[2];
  ASSERT_EQ(MakePipe(fds), 0);
  ASSERT_EQ(::write(fds[1], "1\n2\n", 4), 4);
  ::close(fds[1]);
  LineReader reader(fds[0], 2, [] { ++reads; });
  std::string line;
  reader.ReadLine(line);
  EXPECT_EQ(reads, 1);  // "1\n" came in one read
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reads, 2);  // the end test had to look at the next byte
  ::close(fds[0]);
}

}  // namespace
}  // namespace calcorix::test
