#include "platform/program_end.hpp"

namespace calcorix {

void EndProgram(int status) {
  throw ProgramEnd{status};
}

}  // namespace calcorix
