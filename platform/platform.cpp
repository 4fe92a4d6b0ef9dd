#include "platform/platform.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace Platform {

std::string JoinArguments(int argc, const char* const* argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

void SetEnvironment(const std::string& name, const std::string& value) {
  setenv(name.c_str(), value.c_str(), 1);
}

std::uint32_t Milliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const std::uint64_t ms = std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);
}

void SleepMilliseconds(std::uint32_t milliseconds) {
  timespec wait{};
  wait.tv_sec = milliseconds / 1000u;
  wait.tv_nsec = long(milliseconds % 1000u) * 1000000L;
  while (nanosleep(&wait, &wait) != 0) {
  }
}

std::string ToNativePath(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string ExecutableDirectory() {
  std::vector<char> buffer(4096);
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return "./";
  std::string path(buffer.data(), static_cast<size_t>(n));
  return path.substr(0, path.find_last_of('/') + 1);
}

}  // namespace Platform
