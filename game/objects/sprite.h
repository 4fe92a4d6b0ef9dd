// An animation from a frame sheet (equal frames, left to right, then top to
// bottom). It loops, with an optional hidden pause between loops, or plays
// once and removes itself; it may drift, turn back at the edges of its sail
// box, jump to a random place at each loop, or be pinned to the screen.
#pragma once

#include <string>
#include <vector>

#include "game/objects/object.h"
#include "render/vec2.h"

namespace Kest {

class Sprite : public Object {
 public:
  // Frame delay in milliseconds. Columns below 1 are refused with a log
  // line: the sprite then has no frames and draws nothing.
  Sprite(const std::string& fileName, int columns, int frameWidth, int frameHeight,
         int frameCount, float frameDelay, float x, float y, bool looping, bool additive);
  // A fresh copy from the first frame; the mirroring is not copied.
  Sprite(const Sprite& other);
  Sprite& operator=(const Sprite&) = delete;

  // Steps the frame once the frame delay has passed, then drifts and
  // turns back at the sail box. A play-once sprite that steps past its last
  // frame removes itself, drawn or not.
  void Update(float dt) override;
  // The current frame; a play-once sprite drawing its last frame removes
  // itself.
  void Draw() override;
  // Pinned sprites always; others when the sheet's rectangle at the draw
  // position touches the view.
  bool IsInView(const ol::Vec2& viewMin, const ol::Vec2& viewMax) const override;
  // The middle of the current frame's place.
  ol::Vec2 GetCenter() const override;

  void SetPosition(float x, float y);
  void SetSpeed(float x, float y) { speed_ = ol::Vec2(x, y); }
  void SetStatic(bool pinned) { static_ = pinned; }
  // Jumps into [0, width) x [0, height) at each loop; a width or height
  // below 1 is refused with a log line.
  void SetRandomPositioning(bool on, int width, int height);
  void SetLoopDelay(float milliseconds) { loopDelay_ = milliseconds; }
  void SetSail(float minX, float minY, float maxX, float maxY);
  void EnableSail(bool on) { sail_ = on; }

  // -1 while hidden in the loop delay.
  int GetCurrentFrame() const { return currentFrame_; }
  int GetFrameCount() const { return static_cast<int>(frames_.size()); }
  const ol::Vec2& GetPosition() const { return position_; }
  const ol::Vec2& GetSpeed() const { return speed_; }
  bool IsLooping() const { return looping_; }

 private:
  bool FrameDue(float dt);
  void StepFrame(float dt);
  void Move();
  void TurnAtSail();

  int currentFrame_ = 0;
  float frameElapsed_ = 0.0f;
  float frameDelay_;
  ol::Vec2 position_;
  float frameWidth_;
  float frameHeight_;
  bool additive_;
  std::vector<ol::Vec2> frames_;  // each frame's top-left on the sheet
  bool looping_;
  ol::Vec2 speed_;
  bool static_ = false;
  bool randomPositioning_ = false;
  int randomWidth_ = 0;
  int randomHeight_ = 0;
  float loopDelay_ = 0.0f;
  float loopElapsed_ = 0.0f;
  bool sail_ = false;
  ol::Vec2 sailMin_{-9999.0f, -9999.0f};
  ol::Vec2 sailMax_{9999.0f, 9999.0f};
  ol::Vec2 drawPosition_;
};

}  // namespace Kest
