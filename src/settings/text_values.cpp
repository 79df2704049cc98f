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

}  // namespace calcorix
