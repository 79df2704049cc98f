#include "settings/config_lines.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "settings/text_values.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr char kCtrlZ = 26;

bool EndsLineOrContents(char c) {
  return c == '\n' || c == '\r' || c == kCtrlZ;
}

}  // namespace

ConfigLineReader::ConfigLineReader(const std::string& path) {
  // A NUL inside the name would make open() see a shorter name, that is another file.
  if (path.find('\0') != std::string::npos) return;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer that may never come.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return;
  }
  descriptor_ = descriptor;
  ended_ = false;
  block_ = std::make_unique_for_overwrite<char[]>(kBlockSize);
}

ConfigLineReader::~ConfigLineReader() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool ConfigLineReader::Refill() {
  if (ended_) return false;
  for (;;) {
    const ssize_t n = ::read(descriptor_, block_.get(), kBlockSize);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ended_ = true;
      return false;
    }
    position_ = 0;
    length_ = static_cast<std::size_t>(n);
    return true;
  }
}

bool ConfigLineReader::AtEnd() {
  if (ended_) return true;
  if (position_ == length_ && !Refill()) return true;
  if (block_[position_] == kCtrlZ) ended_ = true;
  return ended_;
}

void ConfigLineReader::ReadLine(std::string& line) {
  line.clear();
  for (;;) {
    if (ended_ || (position_ == length_ && !Refill())) return;
    std::size_t stop = position_;
    while (stop < length_ && !EndsLineOrContents(block_[stop]))
      ++stop;
    if (line.size() < kMaxTextLength) {
      AppendCut(line, std::string_view(block_.get() + position_, stop - position_));
    }
    position_ = stop;
    if (stop == length_) continue;  // the line goes on in the next block
    const char end = block_[stop];
    if (end == kCtrlZ) {
      ended_ = true;
      return;
    }
    ++position_;
    // CR LF is one line end, even when the block boundary falls between the two bytes.
    if (end == '\r' && (position_ < length_ || Refill()) && block_[position_] == '\n') {
      ++position_;
    }
    return;
  }
}

}  // namespace calcorix
