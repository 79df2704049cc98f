#include "driver/input_reader.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

namespace calcorix {
namespace {

// The lines the standard-input mode sees for these bytes: read a line, then test for the end.
std::vector<std::string> LinesOf(const std::string& bytes) {
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  std::thread writer([&] {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fds[1], bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    close(fds[1]);
  });
  auto reader = std::make_unique<InputReader>(fds[0]);
  std::vector<std::string> lines;
  std::string line;
  do {
    reader->ReadLine(line);
    lines.push_back(line);
  } while (!reader->AtEnd());
  writer.join();
  close(fds[0]);
  return lines;
}

TEST(InputReader, SplitsLinesAsTheCalculatorReadsThem) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::string longest(255, 'a');
  const Case cases[] = {
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
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
      {longest + "bcd\nx", {longest, "x"}},
      {std::string(200000, '7') + "\r\n8", {std::string(255, '7'), "8"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LinesOf(c.bytes), c.lines) << c.bytes.substr(0, 20);
  }
}

}  // namespace
}  // namespace calcorix
