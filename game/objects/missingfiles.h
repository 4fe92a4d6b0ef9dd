// The files a level looked for and could not read: the level does not look
// for them again, so a script that names one in a loop neither opens it nor
// logs it each time. A script can name any number of files, so only so many
// names (and bytes of names) are kept; a file past that is looked for each
// time.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>

namespace Kest {

class MissingFiles {
 public:
  static constexpr std::size_t kMostNames = 20000;
  static constexpr std::size_t kMostBytes = 1u << 20;

  bool Contains(const std::string& name) const { return names_.count(name) != 0; }
  void Add(const std::string& name) {
    if (names_.size() >= kMostNames || bytes_ + name.size() > kMostBytes) return;
    if (names_.insert(name).second) bytes_ += name.size();
  }

 private:
  std::unordered_set<std::string> names_;
  std::size_t bytes_ = 0;
};

}  // namespace Kest
