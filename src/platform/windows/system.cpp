#include "platform/system.hpp"

#include "platform/windows/wide.hpp"

namespace calcorix {

bool IsTerminal(int fileDescriptor) {
  DWORD mode = 0;
  return ::GetConsoleMode(HandleOf(fileDescriptor), &mode) != 0;
}

StreamKind KindOf(int fileDescriptor) {
  switch (::GetFileType(HandleOf(fileDescriptor))) {
    case FILE_TYPE_PIPE:
      return StreamKind::Pipe;
    case FILE_TYPE_DISK:
      return StreamKind::File;
    default:
      return StreamKind::Other;
  }
}

std::optional<WindowSize> TerminalWindowSize(int fileDescriptor) {
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (!::GetConsoleScreenBufferInfo(HandleOf(fileDescriptor), &screen)) return std::nullopt;
  // A console moves the cursor to the next row as soon as a row's last column is written, so a line
  // as wide as the window would leave an empty row after it: one column fewer is what a line may
  // fill.
  const int columns = screen.srWindow.Right - screen.srWindow.Left;
  const int rows = screen.srWindow.Bottom - screen.srWindow.Top + 1;
  if (columns <= 0 || rows <= 0) return std::nullopt;
  return WindowSize{columns, rows};
}

}  // namespace calcorix
