#include "platform/console.hpp"

#include "platform/cp852.hpp"
#include "platform/files.hpp"
#include "platform/locale.hpp"
#include "platform/program_end.hpp"
#include "platform/signals.hpp"
#include "platform/streams.hpp"
#include "platform/system.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kFlushThreshold = 1 << 16;

int boundDescriptor = 1;
TextStyle boundStyle;
bool boundToPipe = false;
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

// A signal that ends the program: a write that would wait for the reader gives up.
bool EndingSignalNoted() {
  return PendingTerminationSignal() != 0;
}

// One line of plain text: a control character (a line end, an escape sequence from a path or a
// word the user gave) is written as \xHH, never sent to a terminal as it is.
std::string Printable(std::string_view text) {
  std::string printable;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      printable += c;
    } else {
      printable += {'\\', 'x', "0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 15]};
    }
  }
  return printable;
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
  boundToPipe = KindOf(fileDescriptor) == StreamKind::Pipe;
  buffer.reserve(kFlushThreshold + 4096);
}

TextEncoding OutputEncoding() {
  return boundStyle.encoding;
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
  // The buffer holds whole lines; written to a pipe in whole lines, they stay whole when a signal
  // cuts the writing short.
  const WriteEnd end =
      WriteText(boundDescriptor, buffer, boundStyle.encoding, {EndingSignalNoted, boundToPipe});
  buffer.clear();
  // Closed pipe, full disk, bad descriptor: nothing more can reach the user.
  if (end == WriteEnd::Failed) EndProgram(1);
  // Written, or cut short by the signal: the program ends by it now, and waits for nothing more.
  if (const int signal = PendingTerminationSignal()) EndBySignal(signal);
}

void BindDiagnostics(int fileDescriptor, TextStyle style) {
  diagnosticsDescriptor = fileDescriptor;
  diagnosticsStyle = style;
}

void WriteDiagnostic(std::string_view text) {
  std::string line;
  AppendText(Printable(text), diagnosticsStyle, line);
  AppendLineEnd(diagnosticsStyle, line);
  WriteText(diagnosticsDescriptor, line, diagnosticsStyle.encoding, {EndingSignalNoted});
}

}  // namespace calcorix
