#include "platform/line_reader.hpp"

#include <algorithm>

#include "base/text.hpp"
#include "platform/files.hpp"

namespace calcorix {

LineReader::LineReader(int descriptor, std::size_t blockSize, void (*beforeRead)())
    : descriptor_(descriptor),
      blockSize_(std::max<std::size_t>(blockSize, 1)),
      beforeRead_(beforeRead),
      block_(std::make_unique_for_overwrite<char[]>(blockSize_)) {}

bool LineReader::Refill() {
  if (endOfData_) return false;
  if (beforeRead_ != nullptr) beforeRead_();
  const ReadResult read = ReadInput(descriptor_, block_.get(), blockSize_);
  if (read.end == ReadEnd::Read) {
    begin_ = 0;
    end_ = read.count;
    return true;
  }
  failed_ = read.end == ReadEnd::Failed;
  endOfData_ = true;
  return false;
}

int LineReader::Peek() {
  if (begin_ == end_ && !Refill()) return -1;
  return static_cast<unsigned char>(block_[begin_]);
}

void LineReader::ReadLine(std::string& line) {
  line.clear();
  cut_ = false;
  if (skipLineFeed_ && Peek() == '\n') ++begin_;
  skipLineFeed_ = false;
  for (;;) {
    if (begin_ == end_ && !Refill()) return;
    const char* start = block_.get() + begin_;
    const std::size_t length = end_ - begin_;
    std::size_t stop = 0;
    while (stop < length && start[stop] != '\n' && start[stop] != '\r' &&
           start[stop] != kEndOfInput) {
      ++stop;
    }
    cut_ = cut_ || line.size() + stop > kMaxTextLength;
    if (line.size() < kMaxTextLength) {
      line.append(start, std::min(stop, kMaxTextLength - line.size()));
    }
    begin_ += stop;
    if (stop == length) continue;  // the line goes on in the next block
    const char terminator = block_[begin_];
    if (terminator == kEndOfInput) return;  // stays unread: the input ends here
    ++begin_;
    skipLineFeed_ = terminator == '\r';
    return;
  }
}

bool LineReader::AtEnd() {
  if (skipLineFeed_ && Peek() == '\n') {
    ++begin_;
    skipLineFeed_ = false;
  }
  const int next = Peek();
  return next < 0 || next == kEndOfInput;
}

}  // namespace calcorix
