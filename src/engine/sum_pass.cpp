#include "engine/sum_pass.hpp"

#include "arith/checked.hpp"
#include "engine/readers.hpp"

namespace calcorix {

long double SumPass(std::string_view text) {
  std::size_t position = 0;
  long double total = ReadNumberAt(text, position);
  while (position < text.size()) {
    const char c = text[position++];
    if (c == '+') {
      total = Add(total, ReadNumberAt(text, position));
    } else if (c == '-') {
      total = Sub(total, ReadNumberAt(text, position));
    }
  }
  return total;
}

}  // namespace calcorix
