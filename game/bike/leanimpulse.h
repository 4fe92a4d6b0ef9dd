// A lean of the rider: a push on one wheel for a number of physics steps,
// after which the same lean stays blocked until its cooldown has run out.
#pragma once

#include "tessora/vec2.h"

namespace Kest {

class Object;

class LeanImpulse {
 public:
  void Clear() { force_ = Tessora::Vec2(); }
  void Set(const Tessora::Vec2& force, unsigned steps, unsigned cooldown);
  // Active from Set until the cooldown has run out.
  bool IsActive() const { return force_.x != 0.0f || force_.y != 0.0f; }
  // One physics step: pushes the object while steps are left, and counts
  // the cooldown down.
  void Apply(Object* object);

 private:
  unsigned stepsLeft_ = 0;
  unsigned cooldownLeft_ = 0;
  Tessora::Vec2 force_;
};

}  // namespace Kest
