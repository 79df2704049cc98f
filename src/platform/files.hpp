#pragma once

#include <string>

// Opening a file that the user did not hand over explicitly (the configuration file), safely.

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
// missing file, no read access, a directory, a FIFO, a device, a terminal, a name with a NUL).
// The path is examined before anything is opened, so that no device acts on being opened and no
// terminal can become the controlling terminal; then the open descriptor is confirmed to be that
// same regular file. Opened without blocking and closed on exec.
FileDescriptor OpenRegularFile(const std::string& path);

}  // namespace calcorix
