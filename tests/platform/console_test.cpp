#include "platform/console.hpp"

#include <gtest/gtest.h>

#include <string>

#include "platform/cp852.hpp"

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
