// Screen fades: a fader turns frame time into a brightness level 0..255 that
// the application applies as the drawing tint.
#pragma once

namespace Kest {

class Fader {
 public:
  virtual ~Fader() = default;
  virtual bool isDone() const = 0;
  // Moves the fade on by dt milliseconds and returns the new level.
  virtual int advance(float dt) = 0;
};

// From black to full brightness in about 212.5 ms of frame time.
class FaderFromBlack : public Fader {
 public:
  bool isDone() const override;
  int advance(float dt) override;

 private:
  float alpha_ = 0.0f;
};

}  // namespace Kest
