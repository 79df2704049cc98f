#pragma once

#include <cstddef>
#include <memory>
#include <string>

// Lines as the calculator reads them, from standard input and from its configuration file alike:
// a line ends at LF, CR or CR LF, and the line end is not part of it; a Ctrl+Z byte ends the input
// wherever it stands (it is never read past); only the first 255 characters of a line are kept, the
// rest is read and dropped, so memory stays bounded whatever the input holds.
//
// The end test follows each line: ReadLine, then AtEnd. So empty input holds one empty line, a last
// line without a line end counts, and a line end just before the end starts no further line.
//
// The LF of a CR LF is passed over when the input goes on, not waited for: a program that sends
// "1\r" and waits for the answer gets it.

namespace calcorix {

inline constexpr std::size_t kDefaultBlockSize = 64 * 1024;

class LineReader {
 public:
  // Reads the open descriptor (which stays the caller's) in blocks of `blockSize` bytes.
  // `beforeRead`, when given, runs before every read of the descriptor, which may wait.
  explicit LineReader(int descriptor, std::size_t blockSize = kDefaultBlockSize,
                      void (*beforeRead)() = nullptr);

  // The next line, at most 255 characters. At the end it gives an empty line.
  void ReadLine(std::string& line);

  // True at the end of the data, when the next byte is Ctrl+Z, and after a failed read. May wait.
  bool AtEnd();

  // True when the last line had more than 255 characters (only the first 255 were kept).
  bool LastLineCut() const { return cut_; }

  // True once a read of the descriptor failed (for another reason than an interruption): the data
  // ended there, and not because there was no more of it.
  bool Failed() const { return failed_; }

 private:
  // The next byte without consuming it; -1 at the end.
  int Peek();
  bool Refill();

  int descriptor_;
  std::size_t blockSize_;
  void (*beforeRead_)();
  std::unique_ptr<char[]> block_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool endOfData_ = false;
  bool failed_ = false;
  bool skipLineFeed_ = false;  // the last line ended with CR: a following LF belongs to it
  bool cut_ = false;
};

}  // namespace calcorix
