#include "game/objects/meters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/app/app.h"
#include "game/objects/resourcemanager.h"
#include "game/level/timermanager.h"
#include "render/bitmap.h"
#include "render/rendermodes.h"

namespace Kest {

namespace {

const float kPi = 3.14159265358979f;

ol::Vec2 Camera() { return GetApplication()->GetCamera(); }

// The needle is shared by both dials.
const char* const kNeedleFile = "res\\speedmeterneedle.png";

}  // namespace

SpeedMeter::SpeedMeter() : Bitmap(110.0f, 0.0f, "res\\speedmeter.png") {
  SetScreenRelative(true);
  needle_.Load(kNeedleFile);
}

void SpeedMeter::SetValue(float value) { value_ = std::min(1.0f, std::max(0.0f, value)); }

void SpeedMeter::Draw() {
  Bitmap::Draw();
  const ol::Vec2 camera = Camera();
  needle_.BlitRotated(camera.x + 174.0f, camera.y, -value_ * kPi);
}

RotationMeter::RotationMeter() : Bitmap(238.0f, 0.0f, "res\\rotationmeter.png") {
  SetScreenRelative(true);
  segment_.Load("res\\rotationsegment.png");
  needle_.Load(kNeedleFile);
}

void RotationMeter::Draw() {
  Bitmap::Draw();
  if (std::fabs(value_) < 0.2f) return;
  const ol::Vec2 camera = Camera();
  DrawSegment(camera.x, camera.y);
  if (!needle_.IsValid()) return;
  needle_.GetBitmap()->BlitRotatedWithMode(camera.x + 270.0f, camera.y + 32.0f, -value_,
                                           ol::FlippedMode(ol::FLIP_HORIZONTAL));
}

// One quadrant lights up for the quarter turn the bike is in.
void RotationMeter::DrawSegment(float cx, float cy) const {
  if (!segment_.IsValid()) return;
  const ol::Bitmap& bitmap = *segment_.GetBitmap();
  const float v = value_;
  if (v > 0.0f && v < kPi / 2.0f) {
    bitmap.BlitWithMode(cx + 270.0f, cy, ol::FlippedMode(ol::FLIP_HORIZONTAL));
  } else if (v > kPi / 2.0f && v < kPi) {
    bitmap.Blit(cx + 238.0f, cy);
  } else if (v > -kPi && v < -kPi / 2.0f) {
    bitmap.BlitWithMode(cx + 238.0f, cy + 32.0f, ol::FlippedMode(ol::FLIP_VERTICAL));
  } else if (v > -kPi / 2.0f && v < 0.0f) {
    bitmap.BlitWithMode(cx + 270.0f, cy + 32.0f, ol::FlippedMode(ol::FLIP_BOTH));
  }
}

TimerDisplay::TimerDisplay() {
  ResourceManager* resources = ResourceManager::GetInstance();
  for (int d = 0; d < 10; ++d) {
    char fileName[16];
    std::snprintf(fileName, sizeof fileName, "res\\num%d.png", d);
    if (resources) digits_[d].reset(resources->GetBitmap(fileName));
  }
}

TimerDisplay::~TimerDisplay() = default;

void TimerDisplay::Draw() {
  const long seconds = static_cast<long>(TimerManager::GetRemainingTicks() / 100u);
  if (seconds != lastSeconds_) {
    lastSeconds_ = seconds;
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(std::min(seconds, 999L)));
    text_ = digits;
  }
  const ol::Vec2 camera = Camera();
  for (std::size_t i = 0; i < text_.size(); ++i) {
    const ol::Bitmap* digit = digits_[text_[i] - '0'].get();
    if (digit) digit->Blit(camera.x + 20.0f + 30.0f * float(i), camera.y + 20.0f);
  }
}

}  // namespace Kest
