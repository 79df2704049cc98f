#pragma once

#include <string>
#include <string_view>

// Opening a file that the user did not hand over explicitly (the configuration file, the history),
// safely; reading what a descriptor has, and writing all of a text to one.

namespace calcorix {

// An open descriptor that is closed when it goes; -1 for none.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor();
  FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(other.descriptor_) {
    other.descriptor_ = -1;
  }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return descriptor_; }
  bool IsOpen() const { return descriptor_ >= 0; }

  // Closes now, so that a failed close (written data that did not reach the file) is seen.
  bool Close();

 private:
  int descriptor_ = -1;
};

// The file at `path` opened for reading, only when it is a regular file; otherwise nothing (a
// missing file, no read access, a directory, a FIFO, a device, a terminal, a name with a NUL), and
// errno is ENOENT exactly when nothing is there. The path is examined before anything is opened,
// so that no device acts on being opened and no terminal can become the controlling terminal; then
// the open descriptor is confirmed to be that same regular file. Opened without blocking and
// closed on exec. On Windows the path is UTF-8, "\" and "/" both separate, a device name (CON,
// NUL, COM1, \\.\...) is no file, and the handle is not inherited.
FileDescriptor OpenRegularFile(const std::string& path);

enum class ReadEnd {
  Read,         // `count` bytes
  End,          // the end of the data
  Failed,       // the descriptor refused (a directory, a closed descriptor): errno says why
  Interrupted,  // a signal that ends the program was noted while the read waited
};

struct ReadResult {
  ReadEnd end = ReadEnd::End;
  std::size_t count = 0;
};

// Reads what the descriptor has, at most `size` bytes, waiting for at least one. A read that a
// signal interrupts is tried again unless the signal ends the program, and a non-blocking
// descriptor is waited for (poll), as a blocking one would be.
//
// At a Windows console the console's own line input is read (ReadConsoleW: its editing, its
// history on the arrows and F7), after a prompt on the console; the typed characters come as bytes
// of the output's encoding (OutputEncoding), so that an echoed comment reads as it was typed.
ReadResult ReadInput(int fd, char* buffer, std::size_t size);

struct WriteRules {
  // Asked before every write and after every interrupted wait. Once it returns true, nothing more
  // waits: only what the descriptor takes at once is written, in whole lines.
  bool (*hurry)() = nullptr;
  // Writes in pieces of at most PIPE_BUF bytes that end at a line end. A pipe takes such a piece
  // whole or not at all, so it never holds part of a line that a later write would have to finish.
  bool wholeLines = false;
};

enum class WriteEnd {
  Written,  // every byte
  Failed,   // the descriptor refused (closed pipe, full disk, bad descriptor): errno says why
  Cut,      // stopped in a hurry, because the descriptor would have made the writer wait
};

// Writes all of `bytes`: a write that is interrupted is tried again, and a non-blocking descriptor
// that is full is waited for (poll), as a blocking one would be. On Windows a pipe cannot be asked
// whether it takes bytes without waiting: there the rules are not needed, since a Ctrl-C reaches
// the reader on the same console, and everything is written.
WriteEnd WriteAll(int fd, std::string_view bytes, WriteRules rules = {});

}  // namespace calcorix
