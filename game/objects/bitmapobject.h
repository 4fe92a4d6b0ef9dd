// A level object that is only a picture: placed in the world, fixed to the
// screen (HUD), or riding on another object's body. Always drawn.
#pragma once

#include <string>

#include "game/objects/object.h"

namespace Kest {

class Bitmap : public Object {
 public:
  // The picture's top-left corner at (x, y).
  Bitmap(float x, float y, const std::string& textureName);
  // The picture's centre rides at the offset (x, y) on the object's body,
  // turned with it. The object is not owned and must outlive the picture.
  Bitmap(float x, float y, const std::string& textureName, Object* attachedTo);

  void Draw() override;
  bool IsInView(const ol::Vec2&, const ol::Vec2&) const override { return true; }

  void SetPosition(float x, float y);
  // The position counts from the camera: the picture keeps its place on
  // the screen.
  void SetScreenRelative(bool screenRelative) { screenRelative_ = screenRelative; }

  float GetX() const { return x_; }
  float GetY() const { return y_; }
  bool IsScreenRelative() const { return screenRelative_; }

 private:
  bool screenRelative_ = false;
  float x_;
  float y_;
  Object* attachedTo_ = nullptr;
};

}  // namespace Kest
