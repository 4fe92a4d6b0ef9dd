// Counts the members of a family of classes alive at once. Level scripts
// can make objects and conditions in loops and from events every step, and
// what the game holds of them lies outside the interpreter's memory cap:
// the game holds at most kMostAlive of each family (the shipped levels hold
// a few hundred objects).
#pragma once

#include <cstddef>

namespace Kest {

constexpr std::size_t kMostAlive = 20000;

// Main thread only: the families are made and deleted there.
template <class Family>
class LiveCount {
 public:
  static std::size_t GetLiveCount() { return live_; }
  static bool IsPastCap() { return live_ > kMostAlive; }

 protected:
  LiveCount() { ++live_; }
  ~LiveCount() { --live_; }

 private:
  static inline std::size_t live_ = 0;
};

}  // namespace Kest
