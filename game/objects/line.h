// A line segment of the track. It is seen only through its texture.
#pragma once

#include <string>

#include "game/objects/bodyobject.h"
#include "render/vec2.h"

namespace Kest {

class Line : public BodyObject {
 public:
  Line(float x1, float y1, float x2, float y2, const std::string& textureName, bool dynamic);
  Line(float x1, float y1, float x2, float y2, const std::string& textureName, int flipMode,
       bool dynamic);

  // The image centred on the line and turned along it; nothing without a
  // valid texture.
  void Draw() override;

  // The two ends as the line stands now (centre -/+ half its length along
  // its direction).
  ol::Vec2 GetStart() const;
  ol::Vec2 GetEnd() const;

 private:
  ol::Vec2 HalfLine() const;
};

}  // namespace Kest
