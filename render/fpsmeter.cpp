#include "render/fpsmeter.h"

#include <algorithm>

namespace ol {

void FpsMeter::Start(float referenceFps) {
  referenceFps_ = referenceFps;
  ticks_.store(0);
  frames_ = 0;
  window_ = MAX_WINDOW;
  paused_ = false;
}

float FpsMeter::CountFrame() {
  if (paused_) return factor_;
  ++frames_;
  if (frames_ <= window_) return factor_;
  const int ticks = ticks_.exchange(0);
  if (ticks <= 0) return factor_;
  const float oldFps = measuredFps_;
  measuredFps_ = frames_ * 1000.0f / ticks;
  AdaptWindow(oldFps, measuredFps_);
  factor_ = referenceFps_ / measuredFps_;
  frames_ = 0;
  return factor_;
}

// A jump of the rate either way shortens the window so the factor follows
// quickly; a steady rate lengthens it for a calmer factor. With no earlier
// rate to compare with, the first measurement counts as a jump.
void FpsMeter::AdaptWindow(float oldFps, float newFps) {
  const bool jumped = oldFps <= 0.0f || 1.0f - newFps / oldFps > THRESHOLD ||
                      1.0f - oldFps / newFps > THRESHOLD;
  window_ = jumped ? std::max(window_ / 2, MIN_WINDOW) : std::min(window_ * 2, MAX_WINDOW);
}

}  // namespace ol
