// A round level object: a ball, a wheel, a head.
#pragma once

#include <string>

#include "game/objects/bodyobject.h"

namespace Kest {

class Circle : public BodyObject {
 public:
  Circle(float x, float y, float radius, const std::string& textureName, bool dynamic);

  // Textured: the image, turned with the body when dynamic. Otherwise,
  // while visible, the outline in the colour or the disc in the fill colour.
  void Draw() override;
  // The same kind and size at the current place, with a copy of the texture.
  Object* Clone() const override;

  float GetRadius() const { return radius_; }

 private:
  float radius_;
};

}  // namespace Kest
