// Where the program finds itself when /proc/self/exe cannot be read.

#include "platform/process.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.hpp"

namespace calcorix::test {
namespace {

TEST(LocateExecutable, FollowsTheLinkThenAPathThenPathButNeverTheCurrentDirectory) {
  const TempFolder temp;
  const std::filesystem::path first = temp.Root() / "first", second = temp.Root() / "second";
  std::filesystem::create_directories(first);
  std::filesystem::create_directories(second / "calc");  // a folder of that name does not count
  std::ofstream(first / "calc") << "not executable";
  std::ofstream(second / "calcorix") << "#!/bin/sh\n";
  ::chmod((second / "calcorix").c_str(), 0755);
  std::ofstream(first / "calcorix") << "not executable";

  const std::string path = first.string() + ":" + second.string();
  const std::string firstOnly = first.string();
  const struct {
    std::string link;
    std::string programName;
    const char* searchPath;
    std::string expected;
  } cases[] = {
      {"/opt/bin/calcorix", "calcorix", path.c_str(), "/opt/bin/calcorix"},
      {"", "./bin/calcorix", path.c_str(), "./bin/calcorix"},
      {"", "calcorix", path.c_str(), (second / "calcorix").string()},
      {"", "calc", path.c_str(), ""},
      {"", "calcorix", firstOnly.c_str(), ""},
      {"", "calcorix", nullptr, ""},
      {"", "", path.c_str(), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocateExecutable(c.link, c.programName, c.searchPath), c.expected)
        << c.programName << " along " << (c.searchPath ? c.searchPath : "(no PATH)");
  }
}

}  // namespace
}  // namespace calcorix::test
