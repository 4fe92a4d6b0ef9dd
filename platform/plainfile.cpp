#include "platform/plainfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Platform {

namespace {

constexpr std::size_t kBlock = 64 * 1024;

// A read the limit allows, retried when a signal cuts it short.
ssize_t ReadSome(int descriptor, char* buffer, std::size_t size) {
  ssize_t n = 0;
  do {
    n = read(descriptor, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

}  // namespace

// O_NONBLOCK: a named pipe opens at once instead of waiting for a writer;
// the descriptor's own status then says what the name really is, so that a
// link to a device is caught too.
int OpenPlainFile(const std::string& path, std::size_t limit, int& error) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    error = errno;
    return -1;
  }
  struct stat status {};
  if (fstat(descriptor, &status) != 0) {
    error = errno;
  } else if (!S_ISREG(status.st_mode)) {
    error = kNotAPlainFile;
  } else if (static_cast<unsigned long long>(status.st_size) > limit) {
    error = kTooLarge;
  } else {
    error = 0;
    return descriptor;
  }
  close(descriptor);
  return -1;
}

// The file may grow while it is read: the limit holds for what is read, not
// only for the size it had at the open.
int ReadPlainFile(const std::string& path, std::size_t limit, std::string& contents) {
  contents.clear();
  int error = 0;
  const int descriptor = OpenPlainFile(path, limit, error);
  if (descriptor < 0) return error;
  char block[kBlock];
  for (;;) {
    const ssize_t n = ReadSome(descriptor, block, sizeof block);
    if (n <= 0) {
      error = n < 0 ? errno : 0;
      break;
    }
    if (contents.size() + static_cast<std::size_t>(n) > limit) {
      error = kTooLarge;
      break;
    }
    contents.append(block, static_cast<std::size_t>(n));
  }
  close(descriptor);
  if (error != 0) contents.clear();
  return error;
}

int CheckPlainFile(const std::string& path, std::size_t limit) {
  int error = 0;
  const int descriptor = OpenPlainFile(path, limit, error);
  if (descriptor >= 0) close(descriptor);
  return error;
}

std::string RefusalText(int error) {
  if (error == kNotAPlainFile) return "not a plain file";
  if (error == kTooLarge) return "too large";
  return std::strerror(error);
}

}  // namespace Platform
