#include "platform/utf16.hpp"

#include "platform/cp852.hpp"

namespace calcorix {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(char32_t code, std::u16string& out) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
    return;
  }
  code -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
    return;
  }
  const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  out.push_back(static_cast<char>((0xF00 >> length) | (code >> (6 * (length - 1)))));
  for (int k = length - 2; k >= 0; --k)
    out.push_back(static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F)));
}

// The length of the well-formed UTF-8 sequence at the front of `bytes`, with its code point in
// `code`; 0 when the bytes begin none (overlong forms and surrogates included).
std::size_t DecodeUtf8(std::string_view bytes, char32_t& code) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  std::size_t length = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, least = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(bytes[k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::u16string Utf16FromBytes(std::string_view bytes, TextEncoding encoding) {
  std::u16string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t code = 0;
    const std::size_t length = encoding == TextEncoding::Utf8 ? DecodeUtf8(bytes, code) : 0;
    if (length == 0) code = Cp852ToUnicode(static_cast<unsigned char>(bytes[0]));
    AppendUtf16(code, text);
    bytes.remove_prefix(length == 0 ? 1 : length);
  }
  return text;
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDFFF) {
      const bool paired =
          code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
      code = paired ? 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00) : kReplacement;
    }
    AppendUtf8(code, utf8);
  }
  return utf8;
}

}  // namespace calcorix
