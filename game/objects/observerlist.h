// The observers of a level object or of the bike. The list stays valid while
// it is walked: an observer may leave from inside a notification (its entry
// is nulled and dropped on the next walk), and new ones may join.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace Kest {

template <typename Observer>
class ObserverList {
 public:
  // Null and observers already listed are ignored.
  void Add(Observer* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
      observers_.push_back(observer);
  }

  void Remove(Observer* observer) {
    const auto entry = std::find(observers_.begin(), observers_.end(), observer);
    if (entry != observers_.end()) *entry = nullptr;
  }

  // Calls notify(observer) for each observer, in the order they joined.
  template <typename Notify>
  void ForEach(Notify notify) {
    for (std::size_t i = 0; i < observers_.size();) {
      if (!observers_[i]) {
        observers_.erase(observers_.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      notify(observers_[i]);
      ++i;
    }
  }

  // Empties the list and hands over what it held (for an owner that deletes
  // its observers).
  std::vector<Observer*> TakeAll() {
    std::vector<Observer*> taken;
    taken.swap(observers_);
    taken.erase(std::remove(taken.begin(), taken.end(), nullptr), taken.end());
    return taken;
  }

 private:
  std::vector<Observer*> observers_;
};

}  // namespace Kest
