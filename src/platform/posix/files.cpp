#include "platform/files.hpp"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/signals.hpp"

namespace calcorix {
namespace {

// The longest front of `bytes` of at most PIPE_BUF bytes that ends at a line end; a line longer
// than that is cut at PIPE_BUF.
std::size_t WholeLinesPiece(std::string_view bytes) {
  if (bytes.size() <= PIPE_BUF) return bytes.size();
  const std::size_t lastLineEnd = bytes.rfind('\n', PIPE_BUF - 1);
  return lastLineEnd == std::string_view::npos ? PIPE_BUF : lastLineEnd + 1;
}

bool TakesBytesNow(int fd) {
  pollfd ready{fd, POLLOUT, 0};
  return ::poll(&ready, 1, 0) > 0 && (ready.revents & POLLOUT) != 0;
}

}  // namespace

FileDescriptor::~FileDescriptor() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = other.descriptor_;
    other.descriptor_ = -1;
  }
  return *this;
}

bool FileDescriptor::Close() {
  const int descriptor = descriptor_;
  descriptor_ = -1;
  return ::close(descriptor) == 0;
}

FileDescriptor OpenRegularFile(const std::string& path) {
  // A NUL inside the name would make the system see a shorter name, that is another file.
  errno = EINVAL;
  if (path.empty() || path.find('\0') != std::string::npos) return {};
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0) return {};
  errno = EINVAL;
  if (!S_ISREG(named.st_mode)) return {};
  // O_NONBLOCK: should the name have been swapped for a FIFO since, opening it does not wait for
  // a writer that may never come; O_NOCTTY: nor does a terminal become the controlling one.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!file.IsOpen()) return {};
  struct stat opened {};
  if (::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
      opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
    errno = EINVAL;
    return {};
  }
  return file;
}

ReadResult ReadInput(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size);
    if (n > 0) return {ReadEnd::Read, static_cast<std::size_t>(n)};
    if (n == 0) return {ReadEnd::End};
    if (errno == EINTR) {
      // A signal that ends the program ends the waiting too; the caller looks at it next.
      if (PendingTerminationSignal() != 0) return {ReadEnd::Interrupted};
      continue;
    }
    if (errno != EAGAIN && errno != EWOULDBLOCK) return {ReadEnd::Failed};
    // A descriptor someone made non-blocking: wait for data as a blocking one would.
    pollfd wanted{fd, POLLIN, 0};
    if (::poll(&wanted, 1, -1) < 0 && PendingTerminationSignal() != 0) {
      return {ReadEnd::Interrupted};
    }
  }
}

WriteEnd WriteAll(int fd, std::string_view bytes, WriteRules rules) {
  while (!bytes.empty()) {
    const bool hurried = rules.hurry != nullptr && rules.hurry();
    if (hurried && !TakesBytesNow(fd)) return WriteEnd::Cut;
    // In a hurry, a piece that a pipe ready for writing surely takes at once.
    const std::size_t piece = rules.wholeLines || hurried ? WholeLinesPiece(bytes) : bytes.size();
    const ssize_t n = ::write(fd, bytes.data(), piece);
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (hurried) return WriteEnd::Cut;
      // Someone made the descriptor non-blocking: wait as a blocking write would; a signal ends
      // the wait early, and the loop looks at the hurry again.
      pollfd ready{fd, POLLOUT, 0};
      ::poll(&ready, 1, -1);
    } else if (n == 0 || errno != EINTR) {
      return WriteEnd::Failed;
    }
  }
  return WriteEnd::Written;
}

}  // namespace calcorix
