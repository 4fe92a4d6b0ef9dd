#include "game/bike/fliphistory.h"

namespace Kest {

namespace {
constexpr int kWholeTurn = 1 | 2 | 4 | 8;
}

int FlipHistory::Entry(int back) const { return entries_[(writeIndex_ - back + 4) % 4]; }

// The quadrants are read before the new one is written, so the flip shows
// on the step after the fourth quadrant was entered, once the bike is level.
bool FlipHistory::Record(int quadrant, bool level) {
  const int latest = Entry(1);
  const int seen = latest | Entry(2) | Entry(3) | Entry(4);
  if (latest != quadrant) {
    entries_[writeIndex_] = quadrant;
    writeIndex_ = (writeIndex_ + 1) % 4;
  }
  if (seen != kWholeTurn || !level) return false;
  entries_.fill(latest);
  return true;
}

}  // namespace Kest
