#include "platform/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace calcorix {

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
  if (path.empty() || path.find('\0') != std::string::npos) return {};
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return {};
  // O_NONBLOCK: should the name have been swapped for a FIFO since, opening it does not wait for
  // a writer that may never come; O_NOCTTY: nor does a terminal become the controlling one.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!file.IsOpen()) return {};
  struct stat opened {};
  if (::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
      opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
    return {};
  }
  return file;
}

}  // namespace calcorix
