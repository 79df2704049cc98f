#pragma once

#include <cstddef>
#include <string>

// Standard input as the calculator reads it: lines of at most 255 characters (the rest of a longer
// line is read and dropped, never stored), ended by LF, CR or CR LF; a Ctrl+Z byte (26) ends the
// input wherever it stands. Whatever was written is flushed before the program waits for input,
// so a user or a program feeding one line at a time sees each answer at once.

namespace calcorix {

inline constexpr std::size_t kMaxLineLength = 255;

class InputReader {
 public:
  explicit InputReader(int fileDescriptor) : descriptor_(fileDescriptor) {}

  // Reads the next line into `line` (without its line end).
  void ReadLine(std::string& line);

  // True at the end of the data or when the next byte is Ctrl+Z. A line feed that completes the
  // CR LF of the line just read is passed over first. May wait for input.
  bool AtEnd();

 private:
  // The next byte without consuming it; -1 at the end of the data.
  int Peek();
  bool Refill();

  int descriptor_;
  bool endOfData_ = false;
  bool skipLineFeed_ = false;  // the last line ended with CR: a following LF belongs to it
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  char buffer_[1 << 16];
};

}  // namespace calcorix
