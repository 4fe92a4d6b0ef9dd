// What the bike does each physics step: wheelie time, water, flips, the
// throttle with its smoke, the leans, the HUD dials and the console's figures.
#include <cmath>

#include "game/bike/bike.h"
#include "game/bike/bikeobserver.h"
#include "game/bike/bikeparts.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/screens/debugconsole.h"
#include "game/objects/meters.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "game/utility/utility.h"
#include "tessora/world.h"

namespace Kest {

namespace {

constexpr float kSmokeInterval = 200.0f;
constexpr float kShakeTime = 100.0f;

float MaxForce(dJointID motor) { return dJointGetAMotorParam(motor, dParamFMax); }

}  // namespace

void Bike::PreStep() {
  inWater_ = false;
  chassis_->SetMass(kChassisDensity);
  noContact_ = true;
  frontWheelAirborne_ = true;
}

void Bike::Step(float elapsedMs) {
  smokeTimer_ += elapsedMs;
  brakeSmokeTimer_ += elapsedMs;
  shakeTimer_ += elapsedMs;
  if (frontWheelAirborne_) wheelieTime_ += elapsedMs;
  const float turning = dBodyGetAngularVel(BodyOf(*drivenWheel_))[2];
  const float speed = std::fabs(turning);
  motorSpeed_ = turning;
  if (shaking_ && shakeTimer_ > kShakeTime) shaking_ = false;
  if (inWater_) FloatInWater(turning);
  CountFlips();
  if (throttle_ == kAccelerate) {
    Accelerate(speed);
  } else if (throttle_ == kBrake) {
    Brake(speed);
  } else {
    Idle();
  }
  if (leanBack_.IsActive()) leanBack_.Apply(frontWheel_);
  if (throttle_ == kAccelerate && !noContact_) PullFrontWheelTowardHead();
  if (leanForward_.IsActive()) leanForward_.Apply(drivenWheel_);
  speedMeter_->SetValue(speed);
  ShowOnConsole();
}

// Water lifts the bike. Driving either way, a slowly turning wheel creeps
// on, a faster one is held back and the chassis swims at a steady pace.
void Bike::FloatInWater(float turning) {
  for (Object* part : Machine()) AddForce(part, Tessora::Vec2(0.0f, -250.0f));
  const float way = turning > 0.0f ? 1.0f : -1.0f;
  const float forward = turning * way;
  if (!(forward > 0.09f)) return;
  if (forward <= 0.11f) {
    motorSpeed_ = 0.09f * way;
    return;
  }
  const dBodyID chassis = BodyOf(*chassis_);
  const dReal* velocity = dBodyGetLinearVel(chassis);
  // A fast chassis is cut to 1/1.3 of its speed: going right at double
  // precision, going left at float precision, which round differently.
  const double slowing = way > 0.0f ? 0.769230769 : 0.7692308f;
  const float swim =
      velocity[0] * way > 2.0f ? static_cast<float>(velocity[0] * slowing) : 2.0f * way;
  dBodySetLinearVel(chassis, swim, velocity[1], velocity[2]);
  motorSpeed_ = std::fmin(forward * 0.6666667f, 0.3f) * way;
}

// A flip is a whole turn through the four quadrants, counted once the bike
// is back within 0.2 rad of level.
void Bike::CountFlips() {
  const dReal* rotation = dBodyGetRotation(BodyOf(*chassis_));
  const float angle = std::atan2(rotation[1], rotation[0]);
  const int quadrant = AngleQuadrant(angle);
  if (quadrant == 0) return;
  const bool flipped = flipHistory_.Record(quadrant, std::fabs(angle) < 0.2f);
  rotationMeter_->SetValue(angle);
  if (!flipped) return;
  NotifyObservers(BikeObserver::kFlip);
  DebugConsole::Log("Bike flip");
  ++flips_;
}

// The quadrant bounds are those of float and double constants: an angle of
// exactly -pi as a float lies below the double -pi and has no quadrant.
int Bike::AngleQuadrant(float angle) {
  const float halfPi = 1.5707964f;
  const double pi = 3.141592653589793;
  const float threeHalfPi = 4.712389f;
  const float twoPi = 6.2831855f;
  if (angle >= 0.0f && angle < halfPi) return 1;
  if (angle >= halfPi && angle < pi) return 2;
  if (angle >= pi && angle < threeHalfPi) return 4;
  if (angle >= threeHalfPi && angle < twoPi) return 8;
  if (angle >= -halfPi && angle < 0.0f) return 8;
  if (angle >= -pi && angle < -halfPi) return 4;
  return 0;
}

// The motor's target creeps up from the wheel's own speed; the thresholds
// compare the signed speed, so a bike facing left always creeps slowly.
void Bike::Accelerate(float speed) {
  if (MaxForce(driveMotor_) != dInfinity) dJointSetAMotorParam(driveMotor_, dParamFMax, dInfinity);
  float delta = motorSpeed_ > 0.2f ? 0.001f : 0.0005f;
  if (direction_ != 0) delta = -delta;
  if (speed < 1.0f) Tessora::SetMotorSpeed(driveMotor_, motorSpeed_ + delta);
  if (smokeTimer_ > kSmokeInterval) PuffExhaustSmoke();
}

// Both wheels slow down in steps; a step that would turn them backwards
// stops them instead.
void Bike::Brake(float speed) {
  dJointSetAMotorParam(driveMotor_, dParamFMax, 0.0f);
  float step = motorSpeed_ > 0.1f ? 0.1f : 0.2f;
  if (direction_ != 0) step = -step;
  float target = motorSpeed_ - step;
  if (std::fabs(target) > speed) target = 0.0f;
  dBodySetAngularVel(BodyOf(*drivenWheel_), 0.0f, 0.0f, target);
  dBodySetAngularVel(BodyOf(*frontWheel_), 0.0f, 0.0f, target);
  const bool rearOnGround = !noContact_ && (rearContact_.x != 0.0f || rearContact_.y != 0.0f);
  if (speed > 0.1f && rearOnGround && brakeSmokeTimer_ > kSmokeInterval) PuffBrakeSmoke();
}

// The wheel runs free.
void Bike::Idle() {
  if (MaxForce(driveMotor_) != 0.0f) dJointSetAMotorParam(driveMotor_, dParamFMax, 0.0f);
}

// From the exhaust, behind and above the chassis centre.
void Bike::PuffExhaustSmoke() {
  smokeTimer_ = 0.0f;
  const ol::Vec2 exhaust(direction_ == 0 ? -65.0f : 65.0f, -45.0f);
  const ol::Vec2 turned = RotatePoint(exhaust, dBodyGetRotation(BodyOf(*chassis_)));
  SpawnSmoke("smoke", GetPosition() + Tessora::Vec2(turned.x, turned.y), 64.0f, -900);
}

// Where the driven wheel last touched the ground.
void Bike::PuffBrakeSmoke() {
  brakeSmokeTimer_ = 0.0f;
  SpawnSmoke("smoke_small", rearContact_, 32.0f, -100);
}

// A script may have registered something else under the smoke's name: no
// smoke then.
void Bike::SpawnSmoke(const char* name, const Tessora::Vec2& centre, float halfSize, int depth) {
  ResourceManager* resources = ResourceManager::GetInstance();
  Sprite* smoke = resources ? resources->CloneSprite(name) : nullptr;
  if (!smoke) return;
  smoke->SetPosition(centre.x - halfSize, centre.y - halfSize);
  space_.Insert(smoke, depth);
}

// Throttle on the ground lifts the front end toward the rider: held on, it
// rears the bike up and over unless the rider leans forward.
void Bike::PullFrontWheelTowardHead() {
  AddForce(frontWheel_, (PositionOf(Head()) - PositionOf(*frontWheel_)) * 21.5f);
}

}  // namespace Kest
