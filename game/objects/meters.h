// The HUD: the speed and rotation dials fed by the bike, and the level-time
// countdown. All are drawn at fixed places on the screen.
#pragma once

#include <memory>
#include <string>

#include "game/objects/bitmapobject.h"

namespace ol {
class Bitmap;
}

namespace Kest {

class SpeedMeter : public Bitmap {
 public:
  SpeedMeter();

  // The dial, then the needle turned by value x pi.
  void Draw() override;
  // Clamped to [0, 1].
  void SetValue(float value);
  float GetValue() const { return value_; }

 private:
  Texture needle_;
  float value_ = 0.0f;
};

class RotationMeter : public Bitmap {
 public:
  RotationMeter();

  // The dial, then (for angles of 0.2 and more either way) the lit quadrant
  // segment and the needle.
  void Draw() override;
  // The bike's angle in radians.
  void SetValue(float angle) { value_ = angle; }
  float GetValue() const { return value_; }

 private:
  void DrawSegment(float cx, float cy) const;

  Texture segment_;
  Texture needle_;
  float value_ = 0.0f;
};

// The remaining level time as three digits, in whole seconds.
class TimerDisplay : public Object {
 public:
  TimerDisplay();
  ~TimerDisplay() override;

  void Draw() override;
  bool IsInView(const ol::Vec2&, const ol::Vec2&) const override { return true; }

  // The digits last drawn, for example "045".
  const std::string& GetText() const { return text_; }

 private:
  std::unique_ptr<ol::Bitmap> digits_[10];
  long lastSeconds_ = -1;
  std::string text_;
};

}  // namespace Kest
