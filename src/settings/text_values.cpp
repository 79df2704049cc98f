#include "settings/text_values.hpp"

namespace calcorix {

int QuoteKind(std::string_view text) {
  if (text.empty()) return 0;
  switch (text.front()) {
    case '\'':
      return 1;
    case '"':
      return 2;
    case '[':
      return 3;
    default:
      return 0;
  }
}

char QuoteCloser(int kind) {
  switch (kind) {
    case 1:
      return '\'';
    case 2:
      return '"';
    default:
      return ']';
  }
}

QuotedValue::QuotedValue(std::string_view value) {
  const int kind = QuoteKind(value);
  if (kind == 0) {
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
