// The base of the makers of shape objects: the attributes every shape
// element has, and the checks that keep a scene file from building a shape
// the physics cannot hold.
#pragma once

#include <initializer_list>
#include <string>

#include "game/objects/maker.h"
#include "game/objects/object.h"

namespace Kest {

class ShapeMaker : public Maker<Object> {
 protected:
  explicit ShapeMaker(const std::string& name) : Maker<Object>(name), name_(name) {}

  // "x" and "y" (0 when missing), "texture" (no texture when missing),
  // "dynamic" (false when missing).
  struct Common {
    float x = 0.0f;
    float y = 0.0f;
    std::string texture;
    bool dynamic = false;
  };
  static Common ReadCommon(AttributeMap& attributes);
  // The attribute as a float; 0 when it is missing or not a number.
  static float ReadNumber(AttributeMap& attributes, const std::string& name);
  // The flip mode of "hflip" and "vflip": 0 horizontal, 1 vertical, 2 both,
  // -1 for neither.
  static int ReadFlipMode(AttributeMap& attributes);

  // False, with one log line, when a value is infinite or not a number.
  bool CheckFinite(std::initializer_list<float> values) const;
  // Logs why this maker built nothing; returns null for the caller to hand on.
  Object* Refuse(const std::string& why) const;

 private:
  std::string name_;
};

}  // namespace Kest
