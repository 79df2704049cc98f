#include "platform/console.hpp"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "platform/cp852.hpp"
#include "platform/program_end.hpp"
#include "platform/signals.hpp"

namespace calcorix::test {
namespace {

TEST(Console, ProgramTextsLeaveAsCodePage852WithCrLf) {
  std::string captured;
  CaptureConsole(&captured);
  WriteLine("Błąd w formule");
  WriteLine("zażółć gęślą jaźń ŁŚŻŹĆŃÓĘĄ");
  CaptureConsole(nullptr);
  const std::string expected =
      "\x42\x88\xA5\x64 w formule\r\n"
      "za\xBE\xA2\x88\x86 g\xA9\x98l\xA5 ja\xAB\xE4 "
      "\x9D\x97\xBD\x8D\x8F\xE3\xE0\xA8\xA4\r\n";
  EXPECT_EQ(captured, expected);
}

TEST(Console, RawLinesAreWrittenByteForByte) {
  std::string captured;
  CaptureConsole(&captured);
  WriteRawLine(std::string("#\x88\xFF\x01 x", 6));
  CaptureConsole(nullptr);
  EXPECT_EQ(captured, std::string("#\x88\xFF\x01 x\r\n", 8));
}

// Not on Windows: non-blocking pipes and signals to a thread are POSIX; what the notes look like
// is the same shared code there.
#ifndef _WIN32
// What a pipe holds, without waiting for more.
std::string Drain(int fd) {
  ::fcntl(fd, F_SETFL, O_NONBLOCK);
  std::string bytes;
  char block[4096];
  for (ssize_t n; (n = ::read(fd, block, sizeof block)) > 0;)
    bytes.append(block, static_cast<std::size_t>(n));
  return bytes;
}

TEST(Console, NotesAreOneLineOfPlainText) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  BindDiagnostics(fds[1], {TextEncoding::Utf8, false});
  WriteDiagnostic("Historia niedostępna: /x\x1b]2;PWNED\a/\r\nh");
  BindDiagnostics(2, {});
  EXPECT_EQ(Drain(fds[0]), "Historia niedostępna: /x\\x1B]2;PWNED\\x07/\\x0D\\x0Ah\n");
  ::close(fds[0]);
  ::close(fds[1]);
}

// Standard output is a pipe whose reader has stopped reading: a signal that ends the program ends
// the waiting too, and the reader finds whole lines.
TEST(Console, AWriteThatWaitsEndsByTheSignalNotedMeanwhile) {
  NoteTerminationSignals();
  for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(number);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    BindConsole(fds[1], {TextEncoding::Utf8, false});
    std::atomic<bool> ended = false;
    std::string received;
    std::thread sender([&, writer = ::pthread_self()] {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      ::pthread_kill(writer, number);
      // Should the signal not end the writing, the reader comes back after a while.
      for (int waited = 0; waited < 300 && !ended; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      while (!ended)
        received += Drain(fds[0]);
    });
    const auto start = std::chrono::steady_clock::now();
    std::optional<ProgramEnd> end;
    try {
      for (int i = 0; i < 100000; ++i)
        WriteLine("line " + std::to_string(i));
      FlushConsole();
    } catch (const ProgramEnd& programEnd) {
      end = programEnd;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ended = true;
    sender.join();
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->signal, number);
    EXPECT_EQ(end->status, 128 + number);
    received += Drain(fds[0]);
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), '\n');
    ForgetSignal(number);
    ::close(fds[0]);
    ::close(fds[1]);
  }
  BindConsole(1, {});
  for (const int number : {SIGTERM, SIGHUP, SIGINT})
    ::signal(number, SIG_DFL);
}
#endif

TEST(Cp852, UnmappedAndMalformedBecomeQuestionMarks) {
  std::string out;
  AppendAsCp852(
      "a\xE2\x82\xAC"
      "b\xC5"
      "c",
      out);  // euro sign (not in the code page), cut sequence
  EXPECT_EQ(out, "a?b?c");
}

TEST(Cp852, RoundTripsEveryUpperByte) {
  for (int byte = 0x80; byte < 0x100; ++byte) {
    const char32_t code = Cp852ToUnicode(static_cast<unsigned char>(byte));
    std::string utf8;
    if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
    } else {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
    std::string out;
    AppendAsCp852(utf8, out);
    EXPECT_EQ(out, std::string(1, static_cast<char>(byte))) << byte;
  }
}

}  // namespace
}  // namespace calcorix::test
