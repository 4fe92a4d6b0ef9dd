#include "game/data/atomicfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/utility/utility.h"

namespace Kest {

namespace {

bool Fail(const std::string& path, const std::string& what, int error) {
  Log("Could not save " + path + ": " + what + " (" + std::strerror(error) + ")");
  return false;
}

// Writes, flushes and closes the stream; the data is on the disk when this
// returns true.
bool FillAndClose(std::FILE* file, const std::function<bool(std::FILE*)>& write, int& error) {
  errno = 0;
  bool written = write(file) && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  error = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  return written;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& write) {
  std::vector<char> temporary(path.begin(), path.end());
  for (char c : std::string(".XXXXXX")) temporary.push_back(c);
  temporary.push_back('\0');
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) return Fail(path, "no temporary file", errno);
  // mkstemp makes the file private to its owner; a data file is readable.
  fchmod(descriptor, 0644);
  std::FILE* file = fdopen(descriptor, "wb");
  if (!file) {
    const int error = errno;
    close(descriptor);
    unlink(temporary.data());
    return Fail(path, "cannot write", error);
  }
  int error = 0;
  if (!FillAndClose(file, write, error)) {
    unlink(temporary.data());
    return Fail(path, "write failed", error);
  }
  if (std::rename(temporary.data(), path.c_str()) != 0) {
    error = errno;
    unlink(temporary.data());
    return Fail(path, "cannot replace the old file", error);
  }
  return true;
}

}  // namespace Kest
