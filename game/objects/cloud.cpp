#include "game/objects/cloud.h"

#include <algorithm>

#include "game/app/app.h"
#include "render/setup.h"

namespace Kest {

namespace {

// How far past the view a cloud drifts before it wraps, and how far
// outside the view it comes back in.
constexpr float kLeaveMargin = 100.0f;
constexpr float kEnterMargin = 50.0f;

}  // namespace

Cloud::Cloud(const std::string& fileName, float, float speedX, float speedY, float fractionX,
             float fractionY)
    : Bitmap(fractionX, fractionY, fileName),
      speed_(speedX, speedY),
      offset_(fractionX, fractionY) {
  if (texture_.IsValid()) {
    size_ = ol::Vec2(float(texture_.GetWidth()), float(texture_.GetHeight()));
    offset_ = ol::Vec2(ol::Setup::GetScreenWidth() * std::clamp(fractionX, 0.0f, 1.0f),
                       ol::Setup::GetScreenHeight() * fractionY);
  }
  const ol::Vec2 start = GetCameraPosition() + offset_;
  SetPosition(start.x, start.y);
}

void Cloud::Update(float) {
  const ol::Vec2 p = Wrapped(ol::Vec2(GetX(), GetY()) + speed_);
  SetPosition(p.x, p.y);
}

// The four tests run in turn, each on what the earlier ones left.
ol::Vec2 Cloud::Wrapped(ol::Vec2 p) const {
  const ol::Vec2 camera = GetCameraPosition();
  if (p.x < camera.x - size_.x - kLeaveMargin) {
    p = ol::Vec2(camera.x + kViewWidth, camera.y + offset_.y);
  }
  if (p.x > camera.x + kViewWidth + kLeaveMargin) {
    p = ol::Vec2(camera.x - size_.x - kEnterMargin, camera.y + offset_.y);
  }
  if (p.y < camera.y - size_.y - kLeaveMargin) {
    p = ol::Vec2(camera.x + offset_.x, camera.y + kViewHeight);
  }
  if (p.y > camera.y + kViewHeight + kLeaveMargin) {
    p = ol::Vec2(camera.x + offset_.x, camera.y - size_.y - kEnterMargin);
  }
  return p;
}

}  // namespace Kest
