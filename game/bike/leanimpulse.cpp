#include "game/bike/leanimpulse.h"

#include "game/bike/bike.h"

namespace Kest {

void LeanImpulse::Set(const Tessora::Vec2& force, unsigned steps, unsigned cooldown) {
  stepsLeft_ = steps;
  cooldownLeft_ = cooldown;
  force_ = force;
}

void LeanImpulse::Apply(Object* object) {
  if (stepsLeft_ > 0) {
    --stepsLeft_;
    Bike::AddForce(object, force_);
  }
  if (cooldownLeft_ > 0) --cooldownLeft_;
  if (cooldownLeft_ == 0) Clear();
}

}  // namespace Kest
