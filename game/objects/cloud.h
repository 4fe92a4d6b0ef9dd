// A cloud: a picture that drifts by a constant speed at every update and,
// once it has drifted out of the view on one side, comes back on the
// opposite side at its own starting offset on the other axis. Always drawn.
#pragma once

#include <string>

#include "game/objects/bitmapobject.h"

namespace Kest {

class Cloud : public Bitmap {
 public:
  // Starts at the camera plus the screen fractions of the screen size (x
  // held to 0..1); without a picture the fractions are taken as units. The
  // second number has no effect.
  Cloud(const std::string& fileName, float unused, float speedX, float speedY, float fractionX,
        float fractionY);

  // One move per update, whatever the time.
  void Update(float dt) override;

  const ol::Vec2& GetOffset() const { return offset_; }

 private:
  // Back in from the other side once past the view and a margin.
  ol::Vec2 Wrapped(ol::Vec2 p) const;

  ol::Vec2 speed_;
  ol::Vec2 size_;
  ol::Vec2 offset_;
};

}  // namespace Kest
