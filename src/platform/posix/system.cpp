#include "platform/system.hpp"

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace calcorix {

bool IsTerminal(int fileDescriptor) {
  return ::isatty(fileDescriptor) == 1;
}

StreamKind KindOf(int fileDescriptor) {
  struct stat status {};
  if (::fstat(fileDescriptor, &status) != 0) return StreamKind::Other;
  if (S_ISFIFO(status.st_mode)) return StreamKind::Pipe;
  return S_ISREG(status.st_mode) ? StreamKind::File : StreamKind::Other;
}

std::optional<WindowSize> TerminalWindowSize(int fileDescriptor) {
  winsize size{};
  if (::ioctl(fileDescriptor, TIOCGWINSZ, &size) != 0) return std::nullopt;
  if (size.ws_col == 0 && size.ws_row == 0) return std::nullopt;
  return WindowSize{size.ws_col, size.ws_row};
}

}  // namespace calcorix
