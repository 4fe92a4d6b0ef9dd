#include "game/objects/sprite.h"

#include <cstdlib>

#include "game/app/app.h"
#include "game/utility/utility.h"
#include "render/bitmap.h"
#include "render/blenders.h"
#include "render/rendermodes.h"

namespace Kest {

namespace {

// Far more frames than any sheet holds; a script asking for more gets this
// many rather than the machine's memory.
constexpr int kMaxFrames = 4096;

std::vector<ol::Vec2> FrameTable(int columns, int frameWidth, int frameHeight, int frameCount) {
  std::vector<ol::Vec2> frames;
  if (columns < 1) {
    Log("Sprite: " + ToString(columns) + " columns refused; the sprite has no frames");
    return frames;
  }
  if (frameCount > kMaxFrames) {
    Log("Sprite: " + ToString(frameCount) + " frames cut to " + ToString(kMaxFrames));
    frameCount = kMaxFrames;
  }
  // In float: a huge frame size must not overflow the int product.
  for (int i = 0; i < frameCount; ++i) {
    frames.emplace_back(float(i % columns) * float(frameWidth),
                        float(i / columns) * float(frameHeight));
  }
  return frames;
}

}  // namespace

Sprite::Sprite(const std::string& fileName, int columns, int frameWidth, int frameHeight,
               int frameCount, float frameDelay, float x, float y, bool looping, bool additive)
    : frameDelay_(frameDelay),
      position_(x, y),
      frameWidth_(float(frameWidth)),
      frameHeight_(float(frameHeight)),
      additive_(additive),
      frames_(FrameTable(columns, frameWidth, frameHeight, frameCount)),
      looping_(looping),
      drawPosition_(x, y) {
  texture_.Load(fileName);
}

Sprite::Sprite(const Sprite& other)
    : Object(),
      frameDelay_(other.frameDelay_),
      position_(other.position_),
      frameWidth_(other.frameWidth_),
      frameHeight_(other.frameHeight_),
      additive_(other.additive_),
      frames_(other.frames_),
      looping_(other.looping_),
      speed_(other.speed_),
      static_(other.static_),
      randomPositioning_(other.randomPositioning_),
      randomWidth_(other.randomWidth_),
      randomHeight_(other.randomHeight_),
      loopDelay_(other.loopDelay_),
      sail_(other.sail_),
      sailMin_(other.sailMin_),
      sailMax_(other.sailMax_),
      drawPosition_(other.drawPosition_) {
  texture_.Load(other.texture_.GetFileName());
}

void Sprite::SetPosition(float x, float y) {
  position_ = ol::Vec2(x, y);
  drawPosition_ = position_;
}

void Sprite::SetRandomPositioning(bool on, int width, int height) {
  if (on && (width < 1 || height < 1)) {
    Log("Sprite: random positioning in " + ToString(width) + " x " + ToString(height) +
        " refused");
    return;
  }
  randomPositioning_ = on;
  randomWidth_ = width;
  randomHeight_ = height;
}

void Sprite::SetSail(float minX, float minY, float maxX, float maxY) {
  sailMin_ = ol::Vec2(minX, minY);
  sailMax_ = ol::Vec2(maxX, maxY);
}

void Sprite::Update(float dt) {
  if (frames_.empty() || !FrameDue(dt)) return;
  if (currentFrame_ == 0 && randomPositioning_) {
    SetPosition(float(std::rand() % randomWidth_), float(std::rand() % randomHeight_));
  }
  StepFrame(dt);
  Move();
  if (sail_) TurnAtSail();
}

// With one frame every update steps; otherwise the frame delay has to pass
// first, and what it overshoots is dropped.
bool Sprite::FrameDue(float dt) {
  if (frames_.size() == 1) return true;
  frameElapsed_ += dt;
  if (frameElapsed_ < frameDelay_) return false;
  frameElapsed_ = 0.0f;
  return true;
}

void Sprite::StepFrame(float dt) {
  const int last = GetFrameCount() - 1;
  if (currentFrame_ == last && !looping_) {
    // Past its last frame a play-once sprite is done, even where nobody
    // saw that frame drawn.
    SetRemoved(true);
  } else if (currentFrame_ == last && loopDelay_ > 0.0f) {
    currentFrame_ = -1;
  } else if (currentFrame_ == -1) {
    loopElapsed_ += dt;
    if (loopElapsed_ >= loopDelay_) {
      loopElapsed_ = 0.0f;
      currentFrame_ = 0;
    }
  } else {
    currentFrame_ = (currentFrame_ + 1) % GetFrameCount();
  }
}

void Sprite::Move() {
  position_ += speed_;
  drawPosition_ = position_;
}

void Sprite::TurnAtSail() {
  const bool outside = position_.x < sailMin_.x || position_.y < sailMin_.y ||
                       position_.x > sailMax_.x || position_.y > sailMax_.y;
  if (!outside) return;
  speed_ = -speed_;
  const bool verticalLine = sailMin_.x == sailMax_.x;
  const bool horizontalLine = sailMin_.y == sailMax_.y;
  if (!verticalLine && !horizontalLine) return;
  if (texture_.GetRenderMode()) {
    texture_.ClearRenderMode();
  } else if (verticalLine) {
    texture_.SetFlipVertically();
  } else {
    texture_.SetFlipHorizontally();
  }
}

void Sprite::Draw() {
  if (currentFrame_ < 0 || frames_.empty() || !texture_.IsValid()) return;
  ol::Blenders::Set(additive_ ? ol::ADDITIVE_BLENDER : ol::ALPHA_BLENDER);
  ol::Vec2 p = drawPosition_;
  if (static_) p += GetApplication()->GetCamera();
  const ol::Vec2& frame = frames_[static_cast<std::size_t>(currentFrame_)];
  const ol::ClippedMode clip(frame.x, frame.y, frameWidth_, frameHeight_);
  const ol::Bitmap& sheet = *texture_.GetBitmap();
  if (const ol::RenderMode* flip = texture_.GetRenderMode()) {
    sheet.BlitWithMode(p.x - frame.x, p.y - frame.y, ol::MultiMode(*flip, clip));
  } else {
    sheet.BlitWithMode(p.x - frame.x, p.y - frame.y, clip);
  }
  if (additive_) ol::Blenders::Set(ol::ALPHA_BLENDER);
  if (!looping_ && currentFrame_ == GetFrameCount() - 1) SetRemoved(true);
}

bool Sprite::IsInView(const ol::Vec2& viewMin, const ol::Vec2& viewMax) const {
  if (static_) return true;
  const ol::Vec2 sheet(float(texture_.GetWidth()), float(texture_.GetHeight()));
  return BoxTouchesView(drawPosition_, drawPosition_ + sheet, viewMin, viewMax);
}

ol::Vec2 Sprite::GetCenter() const {
  return position_ + ol::Vec2(frameWidth_ * 0.5f, frameHeight_ * 0.5f);
}

}  // namespace Kest
