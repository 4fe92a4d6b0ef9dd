// The bike on the ground: resting, throttle, brake, smoke, water, boosts, the dial.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/objects/circle.h"
#include "game/objects/meters.h"
#include "game/objects/sprite.h"
#include "tessora/object.h"
#include "tests/bike/bikescene.h"

namespace BikeTest {
namespace {

using Tessora::Vec2;
using TestSupport::ObjectsOfType;

float Speed(const Kest::Object& object) {
  const dReal* v = dBodyGetLinearVel(BodyOf(object));
  return std::hypot(v[0], v[1]);
}

void SetTurning(const Kest::Object* wheel, float turning) { dBodySetAngularVel(BodyOf(*wheel), 0, 0, turning); }

// The force waiting on the body for the next world step.
void ExpectForce(const Kest::Object* object, const Vec2& want) {
  const dReal* got = dBodyGetForce(BodyOf(*object));
  EXPECT_NEAR(got[0], want.x, 1e-2f);
  EXPECT_NEAR(got[1], want.y, 1e-2f);
}

class Riding : public BikeScene {
 protected:
  dJointID DriveMotor() const { return FindJoint(BodyOf(*bike->GetDrivenWheel()), nullptr, dJointTypeAMotor); }
  float MotorTarget() const { return dJointGetAMotorParam(DriveMotor(), dParamVel); }
  int Puffs(int depth) {
    int count = 0;
    for (const Kest::Sprite* puff : ObjectsOfType<Kest::Sprite>(space)) count += puff->GetDepth() == depth;
    return count;
  }
};

TEST_F(Riding, LeftIdleOnTheGroundTheBikeSettlesUprightAndComesToRest) {
  Settle();
  EXPECT_NEAR(bike->GetPosition().y, 170.0f, 0.5f) << "wheels of radius 30 on ground at 200";
  EXPECT_NEAR(TurnOf(*bike->GetChassis()), 0.0f, 0.01f);
  EXPECT_LT(Speed(*bike->GetChassis()), 0.01f);
  for (Kest::Object* object : space) {
    const bool moves = object->GetBody() && object->GetBody()->IsDynamic();
    EXPECT_LT(moves ? Speed(*object) : 0.0f, 0.5f) << "the limbs only tremble";
  }
}

TEST_F(Riding, ExhaustSmokeEvery200MsOfThrottleAndBrakeSmokeWhereTheRearWheelTouches) {
  Settle();
  bike->SetThrottle(Kest::Bike::kAccelerate);
  Step();
  EXPECT_EQ(Puffs(-900), 1) << "the timer ran while idling";
  Step(100);
  EXPECT_EQ(Puffs(-900), 1);
  Step();
  EXPECT_EQ(Puffs(-900), 2);

  Step(200);
  bike->SetThrottle(Kest::Bike::kBrake);
  Step();
  ASSERT_EQ(Puffs(-100), 1);
  for (const Kest::Sprite* puff : ObjectsOfType<Kest::Sprite>(space)) {
    if (puff->GetDepth() != -100) continue;
    EXPECT_NEAR(puff->GetPosition().x + 32.0f, PositionOf(*bike->GetDrivenWheel()).x, 3.0f);
    EXPECT_NEAR(puff->GetPosition().y + 32.0f, 200.0f, 1.0f) << "on the ground's top";
  }
}

// In water a slow wheel creeps on, a faster one is held to 0.3; the chassis
// swims at 2 or is slowed to 1/1.3 of a faster pace.
TEST_F(Riding, WaterLiftsTheBikeAndHoldsTheWheelAndTheChassisToItsPace) {
  const dBodyID chassis = BodyOf(*bike->GetChassis());
  const struct {
    float turning, sideways, swim, motor;
  } cases[] = {{0.1f, 1.0f, 1.0f, 0.09f}, {0.5f, 1.0f, 2.0f, 0.3f}, {0.3f, 3.0f, 3.0f / 1.3f, 0.2f},
               {-0.5f, -1.0f, -2.0f, -0.3f}, {-0.3f, -2.5f, -2.5f / 1.3f, -0.2f}};
  for (const auto& c : cases) {
    bike->SetInWater(true);
    SetTurning(bike->GetDrivenWheel(), c.turning);
    dBodySetLinearVel(chassis, c.sideways, 0.5f, 0.0f);
    dBodySetForce(chassis, 0.0f, 0.0f, 0.0f);
    bike->Step(kStepMs);
    EXPECT_FLOAT_EQ(dBodyGetLinearVel(chassis)[0], c.swim) << c.turning << ", " << c.sideways;
    EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), c.motor) << c.turning;
    ExpectForce(bike->GetChassis(), Vec2(0.0f, -250.0f));
  }
  bike->SetThrottle(Kest::Bike::kAccelerate);
  SetTurning(bike->GetDrivenWheel(), 0.5f);
  bike->Step(kStepMs);
  EXPECT_FLOAT_EQ(MotorTarget(), 0.3f + 0.001f) << "the motor chases the held value";

  bike->PreStep();  // out of the water
  dBodySetForce(chassis, 0.0f, 0.0f, 0.0f);
  bike->Step(kStepMs);
  ExpectForce(bike->GetChassis(), Vec2());
}

// A kick shakes the camera for 100 ms. (Which bikes a boost kicks, and how
// hard, the zone tests and the recorded track rides catch.)
TEST_F(Riding, ABoostKickShakesTheCameraFor100Ms) {
  SetTurning(bike->GetDrivenWheel(), 0.2f);
  bike->Step(kStepMs);
  bike->Boost(false);
  EXPECT_FLOAT_EQ(MotorTarget(), 1.7f);
  bike->Step(100.0f);
  EXPECT_TRUE(bike->IsShaking());
  bike->Step(1.0f);
  EXPECT_FALSE(bike->IsShaking());
}

// The dial shows how fast the driven wheel turns, either way, up to 1.
TEST_F(Riding, TheSpeedDialFollowsTheDrivenWheel) {
  const Kest::SpeedMeter* dial = ObjectsOfType<Kest::SpeedMeter>(space).at(0);
  for (const float turning : {0.5f, -0.25f, 1.7f}) {
    SetTurning(bike->GetDrivenWheel(), turning);
    bike->Step(kStepMs);
    EXPECT_FLOAT_EQ(dial->GetValue(), std::min(std::fabs(turning), 1.0f)) << turning;
  }
}

}  // namespace
}  // namespace BikeTest
