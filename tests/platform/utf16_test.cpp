// Text for the Windows console: bytes in either encoding to UTF-16, and typed UTF-16 to UTF-8.

#include "platform/utf16.hpp"

#include <gtest/gtest.h>

#include <string>

namespace calcorix::test {
namespace {

TEST(Utf16, FromBytesOfEitherEncoding) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
    std::u16string text;
  } cases[] = {
      {"B\x88\xA5"
       "d \xDB",
       TextEncoding::Cp852, u"Błąd █"},
      {"B\xC5\x82\xC4\x85"
       "d",
       TextEncoding::Utf8, u"Błąd"},
      {"\xE2\xA3\xBF", TextEncoding::Utf8, u"\u28FF"},
      {"\xF0\x9F\x98\x80", TextEncoding::Utf8, u"\U0001F600"},
      // A byte that begins no UTF-8 character is taken as code page 852: an echoed comment, a cut
      // sequence, an overlong form, an encoded surrogate, a code point beyond U+10FFFF.
      {"#x\x88", TextEncoding::Utf8, u"#xł"},
      {"\xC5", TextEncoding::Utf8, u"┼"},
      {"\xC0\xAF", TextEncoding::Utf8, u"└»"},
      {"\xED\xA0\x80", TextEncoding::Utf8, u"ÝáÇ"},
      {"\xF4\x90\x80\x80", TextEncoding::Utf8, u"˘ÉÇÇ"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf16FromBytes(c.bytes, c.encoding), c.text) << testing::PrintToString(c.bytes);
  }
}

TEST(Utf16, ToUtf8ReplacesUnpairedSurrogates) {
  EXPECT_EQ(Utf8FromUtf16(u"Błąd \U0001F600"),
            "B\xC5\x82\xC4\x85"
            "d \xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8FromUtf16(std::u16string{0xD800, u'x', 0xDC00}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(Utf16, EveryCharacterGoesThereAndBack) {
  for (char32_t code = 1; code <= 0x10FFFF; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const std::u16string text =
        code < 0x10000 ? std::u16string(1, static_cast<char16_t>(code))
                       : std::u16string{static_cast<char16_t>(0xD7C0 + (code >> 10)),
                                        static_cast<char16_t>(0xDC00 | (code & 0x3FF))};
    ASSERT_EQ(Utf16FromBytes(Utf8FromUtf16(text), TextEncoding::Utf8), text)
        << static_cast<unsigned>(code);
  }
}

}  // namespace
}  // namespace calcorix::test
