#include "game/app/fader.h"

namespace Kest {

namespace {
constexpr float kLevelsPerMillisecond = 1.2f;
constexpr float kFullLevel = 255.0f;
}  // namespace

bool FaderFromBlack::isDone() const { return alpha_ >= kFullLevel; }

int FaderFromBlack::advance(float dt) {
  alpha_ += dt * kLevelsPerMillisecond;
  return isDone() ? 255 : static_cast<int>(alpha_);
}

}  // namespace Kest
