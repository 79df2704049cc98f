// Only a regular file is opened; anything else a name may lead to counts as no file.

#include "platform/files.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/system.hpp"
#include "support/temp_folder.hpp"

namespace calcorix::test {
namespace {

#ifdef _WIN32
// A device name is no file, wherever it stands, and "/" separates as "\\" does.
TEST(OpenRegularFile, OpensOnlyAFileOnADisk) {
  const TempFolder temp;
  const std::string file = temp.Write("file", "-tD\n");
  std::filesystem::create_directory(temp.Root() / "dir");
  const struct {
    std::string path;
    bool opens;
  } cases[] = {
      {file, true},
      {temp.Root().generic_string() + "/file", true},
      {temp.Path("missing"), false},
      {temp.Path("dir"), false},
      {"NUL", false},
      {"CON", false},
      {"\\\\.\\NUL", false},
      {"\\\\?\\pipe\\calcorix", false},
      {"", false},
      {file + std::string("\0x", 2), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(OpenRegularFile(c.path).IsOpen(), c.opens) << c.path;
  const FileDescriptor opened = OpenRegularFile(file);
  char bytes[8] = {};
  EXPECT_EQ(::_read(opened.Get(), bytes, sizeof bytes), 4);
  EXPECT_FALSE(OpenRegularFile(temp.Path("missing")).IsOpen());
  EXPECT_EQ(errno, ENOENT);  // nothing there, unlike the names that lead to no file
}

// The C library's _isatty takes the NUL device for a terminal: output sent there is no console.
TEST(IsTerminal, TheNulDeviceIsNoConsole) {
  const int nul = ::_open("NUL", _O_WRONLY);
  ASSERT_GE(nul, 0);
  EXPECT_FALSE(IsTerminal(nul));
  EXPECT_EQ(KindOf(nul), StreamKind::Other);
  ::_close(nul);
}
#else
TEST(OpenRegularFile, OpensOnlyARegularFile) {
  const TempFolder temp;
  const std::filesystem::path& folder = temp.Root();
  temp.Write("file", "-tD\n");
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);  // no writer: opening must not wait
  std::filesystem::create_directory(folder / "dir");
  std::filesystem::create_symlink(folder / "file", folder / "link-to-file");
  std::filesystem::create_symlink(folder / "fifo", folder / "link-to-fifo");
  std::filesystem::create_symlink("/dev/null", folder / "link-to-null");
  std::filesystem::create_symlink("/dev/tty", folder / "link-to-terminal");
  std::filesystem::create_symlink(folder / "missing", folder / "dangling");

  const struct {
    std::string path;
    bool opens;
  } cases[] = {
      {(folder / "file").string(), true},
      {(folder / "link-to-file").string(), true},
      {(folder / "missing").string(), false},
      {(folder / "dir").string(), false},
      {(folder / "fifo").string(), false},
      {(folder / "link-to-fifo").string(), false},
      {(folder / "link-to-null").string(), false},
      {(folder / "link-to-terminal").string(), false},
      {(folder / "dangling").string(), false},
      {"", false},
      {(folder / "file").string() + std::string("\0x", 2), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(OpenRegularFile(c.path).IsOpen(), c.opens) << c.path;
}

// Someone made standard output non-blocking, and its reader is slow: every byte still arrives.
TEST(WriteAll, WaitsWhileANonBlockingPipeIsFull) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
  const std::string bytes(1 << 20, 'x');
  std::size_t received = 0;
  std::thread reader([&] {
    char block[1 << 16];
    for (ssize_t n; (n = ::read(fds[0], block, sizeof block)) > 0;) {
      received += static_cast<std::size_t>(n);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  EXPECT_EQ(WriteAll(fds[1], bytes), WriteEnd::Written);
  ::close(fds[1]);
  reader.join();
  ::close(fds[0]);
  EXPECT_EQ(received, bytes.size());
}
#endif

}  // namespace
}  // namespace calcorix::test
