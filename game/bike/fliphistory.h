// The last quadrants the bike's angle passed through. A flip is complete
// when the last four cover the whole turn.
#pragma once

#include <array>

namespace Kest {

class FlipHistory {
 public:
  // Takes the quadrant bit (1, 2, 4 or 8) of the current angle. True when
  // the quadrants recorded before it covered the whole turn: the history
  // then forgets all but the latest, so the next flip needs a whole turn
  // again.
  bool Record(int quadrant, bool level);

 private:
  // The entry written `back` writes ago (1 = the latest).
  int Entry(int back) const;

  std::array<int, 4> entries_{};
  int writeIndex_ = 0;
};

}  // namespace Kest
