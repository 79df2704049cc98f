#include "driver/input_reader.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/console.hpp"

namespace calcorix {
namespace {

constexpr char kCtrlZ = 26;

}  // namespace

bool InputReader::Refill() {
  if (endOfData_) return false;
  FlushConsole();
  for (;;) {
    const ssize_t n = ::read(descriptor_, buffer_, sizeof buffer_);
    if (n > 0) {
      begin_ = 0;
      end_ = static_cast<std::size_t>(n);
      return true;
    }
    if (n < 0 && errno == EINTR) continue;
    // End of the data; a read error ends the input the same way.
    endOfData_ = true;
    return false;
  }
}

int InputReader::Peek() {
  if (begin_ == end_ && !Refill()) return -1;
  return static_cast<unsigned char>(buffer_[begin_]);
}

void InputReader::ReadLine(std::string& line) {
  line.clear();
  if (skipLineFeed_ && Peek() == '\n') ++begin_;
  skipLineFeed_ = false;
  for (;;) {
    if (begin_ == end_ && !Refill()) return;
    // Scan the buffered bytes for the first line end or Ctrl+Z.
    const char* start = buffer_ + begin_;
    std::size_t length = end_ - begin_;
    std::size_t stop = 0;
    while (stop < length && start[stop] != '\n' && start[stop] != '\r' && start[stop] != kCtrlZ) {
      ++stop;
    }
    if (line.size() < kMaxLineLength) {
      line.append(start, std::min(stop, kMaxLineLength - line.size()));
    }
    begin_ += stop;
    if (stop == length) continue;  // the line goes on in the next block
    const char terminator = buffer_[begin_];
    if (terminator == kCtrlZ) return;  // stays unread: the input ends here
    ++begin_;
    // The LF of a CR LF may not have arrived yet; it is passed over when the input goes on, so a
    // program that sends "1\r" and waits for the answer gets it.
    skipLineFeed_ = terminator == '\r';
    return;
  }
}

bool InputReader::AtEnd() {
  if (skipLineFeed_ && Peek() == '\n') {
    ++begin_;
    skipLineFeed_ = false;
  }
  const int next = Peek();
  return next < 0 || next == kCtrlZ;
}

}  // namespace calcorix
