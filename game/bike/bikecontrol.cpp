// The player's and the level's direct say over the bike: leans, turning
// around, water and boosts.
#include <utility>

#include "game/bike/bike.h"
#include "game/bike/bikeparts.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "tessora/world.h"

namespace Kest {

namespace {

constexpr float kLeanForce = 80.0f;
constexpr unsigned kLeanSteps = 55;
constexpr unsigned kLeanCooldown = 340;
constexpr float kBoostSpeed = 1.7f;

}  // namespace

// Leaning back pushes the front wheel toward the rider's head, lifting it.
void Bike::LeanBack() {
  if (leanBack_.IsActive()) return;
  leanBack_.Set((PositionOf(Head()) - PositionOf(*frontWheel_)) * kLeanForce, kLeanSteps,
                kLeanCooldown);
}

// Leaning forward lifts the driven wheel the same way.
void Bike::LeanForward() {
  if (leanForward_.IsActive()) return;
  leanForward_.Set((PositionOf(Head()) - PositionOf(*drivenWheel_)) * kLeanForce, kLeanSteps,
                   kLeanCooldown);
}

// The motorbike picture is drawn facing right.
void Bike::TurnAround() {
  Texture& picture = motorbikeImage_->GetTexture();
  if (direction_ == 1) {
    picture.ClearRenderMode();
    motorbikeImage_->SetPosition(-2.0f, -28.0f);
    direction_ = 0;
  } else {
    picture.SetFlipHorizontally();
    motorbikeImage_->SetPosition(2.0f, -28.0f);
    direction_ = 1;
  }
  std::swap(frontWheel_, drivenWheel_);
  dJointAttach(driveMotor_, BodyOf(*drivenWheel_), nullptr);
  BuildDriver();
}

void Bike::SetInWater(bool inWater) {
  inWater_ = inWater;
  chassis_->SetMass(inWater ? 10.0f : kChassisDensity);
}

// Only a bike already driving the boost's way is kicked.
void Bike::Boost(bool leftward) {
  float kick = 0.0f;
  if (motorSpeed_ > 0.0f && direction_ == 0 && !leftward) {
    kick = kBoostSpeed;
  } else if (motorSpeed_ < 0.0f && direction_ == 1 && leftward) {
    kick = -kBoostSpeed;
  } else {
    return;
  }
  Tessora::SetMotorSpeed(driveMotor_, kick);
  dBodySetAngularVel(BodyOf(*drivenWheel_), 0.0f, 0.0f, kick);
  shaking_ = true;
  shakeTimer_ = 0.0f;
}

void Bike::AddForce(Object* object, const Tessora::Vec2& force) {
  dBodyAddForce(BodyOf(*object), force.x, force.y, 0.0f);
}

}  // namespace Kest
