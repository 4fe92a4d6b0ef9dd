#include "game/app/freshkeys.h"

#include <allegro.h>

namespace Kest {

namespace {

// Main thread only: every screen runs there.
unsigned openings = 0;

}  // namespace

void FreshKeys::Open() {
  opened_ = true;
  opening_ = ++openings;
  fresh_.clear();
  stale_.clear();
  for (int scancode = 1; scancode < KEY_MAX; ++scancode) {
    if (keyboard_.IsHeld(scancode)) stale_.insert(scancode);
  }
  while (keyboard_.KeyPressed()) keyboard_.ReadKey();
}

void FreshKeys::OpenWhenAnotherOpened() {
  if (!opened_ || opening_ != openings) Open();
}

std::set<int> FreshKeys::ReleasedStaleKeys() const {
  std::set<int> released;
  for (const int scancode : stale_) {
    if (!keyboard_.IsHeld(scancode)) released.insert(scancode);
  }
  return released;
}

// The releases are looked at before the waiting presses are read: a stale
// key's last repeats, which came before its release, are still dropped.
bool FreshKeys::KeyPressed() {
  OpenWhenAnotherOpened();
  const std::set<int> released = ReleasedStaleKeys();
  while (keyboard_.KeyPressed()) {
    const int value = keyboard_.ReadKey();
    if (stale_.count(value >> 8) == 0) fresh_.push_back(value);
  }
  for (const int scancode : released) stale_.erase(scancode);
  return !fresh_.empty();
}

int FreshKeys::ReadKey() {
  if (!KeyPressed()) return 0;
  const int value = fresh_.front();
  fresh_.pop_front();
  return value;
}

}  // namespace Kest
