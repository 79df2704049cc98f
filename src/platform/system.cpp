#include "platform/system.hpp"

#include <unistd.h>

namespace calcorix {

bool IsTerminal(int fileDescriptor) {
  return ::isatty(fileDescriptor) == 1;
}

}  // namespace calcorix
