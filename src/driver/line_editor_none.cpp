// Built without line editing: standard input is always read by the LineReader.

#include "driver/line_editor.hpp"

namespace calcorix {

std::unique_ptr<LineEditor> OpenLineEditor(int, int) {
  return nullptr;
}

std::unique_ptr<LineEditor> OpenLineEditor(int, int, std::unique_ptr<KeySource>, SessionHistory) {
  return nullptr;
}

}  // namespace calcorix
