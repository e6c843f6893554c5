#pragma once
// One scratch file per fuzz run, made once with a unique name, for the targets that go through
// the file readers and writers.
#include <unistd.h>

#include <string>

namespace velomare::fuzz {

inline std::string TempPath() {
  static const std::string path = [] {
    char name[] = "/tmp/velomare-fuzz-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    return std::string(name);
  }();
  return path;
}

}  // namespace velomare::fuzz
