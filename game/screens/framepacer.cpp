#include "game/screens/framepacer.h"

#include <utility>

namespace Kest {

FramePacer::FramePacer(Clock clock, Sleep sleep)
    : clock_(std::move(clock)), sleep_(std::move(sleep)), lastFrame_(clock_()) {}

// The next frame counts from when this one is let go, so a late wake-up
// shortens no later frame.
void FramePacer::WaitForFrame() {
  const std::uint32_t passed = clock_() - lastFrame_;
  if (passed < kFrameMs) sleep_(kFrameMs - passed);
  lastFrame_ = clock_();
}

}  // namespace Kest
