#include "game/data/atomicfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "game/data/savelock.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

// What mkstemp fills in after the infix.
const char kSavingInfix[] = ".saving-";
const char kUniqueLetters[] = "XXXXXX";

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
  // A write past the file-size limit (ulimit -f) would end the game with
  // SIGXFSZ: ignored, the write fails with EFBIG and the save is reported
  // as failed, like any other.
  std::signal(SIGXFSZ, SIG_IGN);
  // The rename would replace a file the player made read-only; the player
  // meant it to stay as it is.
  struct stat old {};
  const bool exists = stat(path.c_str(), &old) == 0;
  if (exists && (old.st_mode & 0222) == 0) return Fail(path, "the file is read-only", EACCES);
  std::vector<char> temporary(path.begin(), path.end());
  for (char c : std::string(kSavingInfix) + kUniqueLetters) temporary.push_back(c);
  temporary.push_back('\0');
  const int descriptor = mkstemp(temporary.data());
  if (descriptor < 0) return Fail(path, "no temporary file", errno);
  // mkstemp makes the file private to its owner: the new file takes the
  // old one's permissions, and a first one is readable by all.
  fchmod(descriptor, exists ? old.st_mode & 0777 : 0644);
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

namespace {

std::vector<std::filesystem::path> UnfinishedSaves(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path file(path);
  const std::string prefix = file.filename().string() + kSavingInfix;
  const std::size_t length = prefix.size() + sizeof kUniqueLetters - 1;
  std::vector<fs::path> unfinished;
  std::error_code error;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.size() == length && name.compare(0, prefix.size(), prefix) == 0) {
      unfinished.push_back(entry->path());
    }
  }
  return unfinished;
}

}  // namespace

// The lock is asked for only when there is something to remove, so that a
// plain start leaves no lock file; the files are looked for again under it.
void RemoveUnfinishedSaves(const std::string& path) {
  if (UnfinishedSaves(path).empty()) return;
  const SaveLock lock(path, SaveLock::Wait::kNo);
  if (lock.IsTakenByAnother()) return;
  std::error_code error;
  for (const std::filesystem::path& leftover : UnfinishedSaves(path)) {
    if (std::filesystem::remove(leftover, error)) Log("Removed " + leftover.string() + ", left by a save cut short");
  }
}

}  // namespace Kest
