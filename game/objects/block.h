// A rectangular level object: ground slabs, crates, the rider's limbs.
#pragma once

#include <string>

#include "game/objects/bodyobject.h"

namespace Kest {

class Block : public BodyObject {
 public:
  // The block with its top-left corner at (x, y).
  Block(float x, float y, float width, float height, const std::string& textureName,
        bool dynamic);
  Block(float x, float y, float width, float height, const std::string& textureName,
        bool dynamic, int flipMode);

  // Textured: the image, turned with the body when dynamic. Otherwise,
  // while visible, the outline in the colour or the filled box.
  void Draw() override;
  // The same kind and size at the current place, with a copy of the texture.
  Object* Clone() const override;

  float GetWidth() const { return width_; }
  float GetHeight() const { return height_; }

 private:
  float width_;
  float height_;
};

}  // namespace Kest
