#include "platform/streams.hpp"

#include <csignal>

namespace calcorix {

void PrepareStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);
}

// A terminal here takes bytes: the bytes go out as they are.
WriteEnd WriteText(int fd, std::string_view bytes, TextEncoding, WriteRules rules) {
  return WriteAll(fd, bytes, rules);
}

}  // namespace calcorix
