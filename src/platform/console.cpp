#include "platform/console.hpp"

#include <unistd.h>

#include <cerrno>

#include "platform/cp852.hpp"
#include "platform/locale.hpp"
#include "platform/program_end.hpp"
#include "platform/system.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kFlushThreshold = 1 << 16;

int boundDescriptor = 1;
TextStyle boundStyle;
std::string* captureSink = nullptr;
std::string buffer;

int diagnosticsDescriptor = 2;
TextStyle diagnosticsStyle;

void AppendText(std::string_view text, TextStyle style, std::string& out) {
  if (style.encoding == TextEncoding::Utf8) {
    out.append(text);
  } else {
    AppendAsCp852(text, out);
  }
}

void AppendLineEnd(TextStyle style, std::string& out) {
  out.append(style.crLf ? "\r\n" : "\n");
}

void EndLine() {
  if (captureSink != nullptr) {
    captureSink->append("\r\n");
    return;
  }
  AppendLineEnd(boundStyle, buffer);
  if (buffer.size() >= kFlushThreshold) FlushConsole();
}

// Writes everything or fails; interruptions are retried.
bool WriteAll(int descriptor, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

TextStyle StyleFor(TextMode mode, int fileDescriptor) {
  switch (mode) {
    case TextMode::Utf8:
      return {TextEncoding::Utf8, false};
    case TextMode::Cp852CrLf:
      return {TextEncoding::Cp852, true};
    case TextMode::Automatic:
      break;
  }
  const bool utf8Terminal = IsTerminal(fileDescriptor) && LocaleUsesUtf8();
  return {utf8Terminal ? TextEncoding::Utf8 : TextEncoding::Cp852, true};
}

void BindConsole(int fileDescriptor, TextStyle style) {
  boundDescriptor = fileDescriptor;
  boundStyle = style;
  buffer.reserve(kFlushThreshold + 4096);
}

void CaptureConsole(std::string* sink) {
  captureSink = sink;
}

void WriteLine(std::string_view text) {
  if (captureSink != nullptr) {
    AppendAsCp852(text, *captureSink);
  } else {
    AppendText(text, boundStyle, buffer);
  }
  EndLine();
}

void WriteRawLine(std::string_view bytes) {
  (captureSink != nullptr ? *captureSink : buffer).append(bytes);
  EndLine();
}

void FlushConsole() {
  const bool written = WriteAll(boundDescriptor, buffer);
  buffer.clear();
  // Closed pipe, full disk, bad descriptor: nothing more can reach the user.
  if (!written) EndProgram(1);
}

void BindDiagnostics(int fileDescriptor, TextStyle style) {
  diagnosticsDescriptor = fileDescriptor;
  diagnosticsStyle = style;
}

void WriteDiagnostic(std::string_view text) {
  std::string line;
  AppendText(text, diagnosticsStyle, line);
  AppendLineEnd(diagnosticsStyle, line);
  WriteAll(diagnosticsDescriptor, line);
}

}  // namespace calcorix
