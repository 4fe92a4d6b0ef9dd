#include "game/data/savelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace Kest {

// A wait that a quit signal cuts short goes on without the lock: the save
// then is as it would be alone, and the game ends after it.
SaveLock::SaveLock(const std::string& path, Wait wait) {
  descriptor_ = open((path + ".lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (descriptor_ < 0) return;
  if (flock(descriptor_, LOCK_EX | (wait == Wait::kNo ? LOCK_NB : 0)) == 0) return;
  taken_ = errno == EWOULDBLOCK;
  close(descriptor_);
  descriptor_ = -1;
}

SaveLock::~SaveLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

}  // namespace Kest
