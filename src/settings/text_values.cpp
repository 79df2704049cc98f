#include "settings/text_values.hpp"

namespace calcorix {

Quote QuoteKind(std::string_view text) {
  if (text.empty()) return Quote::None;
  switch (text.front()) {
    case '\'':
      return Quote::Single;
    case '"':
      return Quote::Double;
    case '[':
      return Quote::Bracket;
    default:
      return Quote::None;
  }
}

char QuoteCloser(Quote kind) {
  switch (kind) {
    case Quote::Single:
      return '\'';
    case Quote::Double:
      return '"';
    case Quote::Bracket:
    case Quote::None:
      break;
  }
  return ']';
}

QuotedValue::QuotedValue(std::string_view value) {
  const Quote kind = QuoteKind(value);
  if (kind == Quote::None) {
    text_ = value;
    return;
  }
  quoted_ = true;
  text_ = CutText(value.substr(1));
  if (text_.size() < kMaxTextLength) closer_ = QuoteCloser(kind);
}

void QuotedValue::Append(std::string_view part) {
  AppendCut(text_, " ");
  AppendCut(text_, part);
  if ((!part.empty() && part.back() == closer_) || text_.size() >= kMaxTextLength) closer_ = 0;
}

std::string QuotedValue::Text() const {
  if (!quoted_ || text_.empty()) return text_;
  return text_.substr(0, text_.size() - 1);
}

}  // namespace calcorix
