// Games running side by side in one folder take turns with a data file:
// a save holds an advisory lock (flock) on "NAME.lock" beside the file
// while it reads what is there now, adds its own and writes it back, and
// the sweep of unfinished saves leaves alone a file that another game is
// writing. The lock file stays; it holds nothing.
#pragma once

#include <string>

namespace Kest {

class SaveLock {
 public:
  enum class Wait { kUntilFree, kNo };
  // Locks the file at path (a native path). Without a lock file to hold (a
  // read-only folder, where nothing is written anyway) there is no lock.
  SaveLock(const std::string& path, Wait wait);
  ~SaveLock();
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

  // True when another game held the lock and this one did not wait.
  bool IsTakenByAnother() const { return taken_; }

 private:
  int descriptor_ = -1;
  bool taken_ = false;
};

}  // namespace Kest
