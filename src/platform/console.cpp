#include "platform/console.hpp"

#include <unistd.h>

#include <cerrno>

#include "platform/cp852.hpp"
#include "platform/program_end.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kFlushThreshold = 1 << 16;

int boundDescriptor = 1;
TextEncoding boundEncoding = TextEncoding::Cp852;
std::string* captureSink = nullptr;
std::string buffer;

std::string& Target() {
  return captureSink != nullptr ? *captureSink : buffer;
}

void EndLine() {
  Target().append("\r\n");
  if (captureSink == nullptr && buffer.size() >= kFlushThreshold) FlushConsole();
}

}  // namespace

void BindConsole(int fileDescriptor, TextEncoding encoding) {
  boundDescriptor = fileDescriptor;
  boundEncoding = encoding;
  buffer.reserve(kFlushThreshold + 4096);
}

void CaptureConsole(std::string* sink) {
  captureSink = sink;
}

void WriteLine(std::string_view text) {
  if (boundEncoding == TextEncoding::Utf8 && captureSink == nullptr) {
    buffer.append(text);
  } else {
    AppendAsCp852(text, Target());
  }
  EndLine();
}

void WriteRawLine(std::string_view bytes) {
  Target().append(bytes);
  EndLine();
}

void FlushConsole() {
  std::size_t written = 0;
  while (written < buffer.size()) {
    const ssize_t n = ::write(boundDescriptor, buffer.data() + written, buffer.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // Closed pipe, full disk, bad descriptor: nothing more can reach the user.
      buffer.clear();
      EndProgram(1);
    }
    written += static_cast<std::size_t>(n);
  }
  buffer.clear();
}

}  // namespace calcorix
