// The bike on the ground: resting, throttle, brake, leans, smoke, water and
// boosts.
#include <gtest/gtest.h>

#include <cmath>
#include <typeinfo>

#include "game/objects/circle.h"
#include "game/objects/meters.h"
#include "game/objects/sprite.h"
#include "tessora/object.h"
#include "tests/bike/bikescene.h"

namespace BikeTest {
namespace {

using Tessora::Vec2;

float Speed(const Kest::Object& object) {
  const dReal* v = dBodyGetLinearVel(BodyOf(object));
  return std::hypot(v[0], v[1]);
}

float Turning(const Kest::Object* wheel) { return dBodyGetAngularVel(BodyOf(*wheel))[2]; }

// The force waiting on the body for the next world step.
void ExpectForce(const Kest::Object* object, const Vec2& want) {
  const dReal* got = dBodyGetForce(BodyOf(*object));
  EXPECT_NEAR(got[0], want.x, 1e-2f);
  EXPECT_NEAR(got[1], want.y, 1e-2f);
}

class Riding : public BikeScene {
 protected:
  dJointID DriveMotor() const {
    return FindJoint(BodyOf(*bike->GetDrivenWheel()), nullptr, dJointTypeAMotor);
  }
  float MotorTarget() const { return dJointGetAMotorParam(DriveMotor(), dParamVel); }
  float MotorForce() const { return dJointGetAMotorParam(DriveMotor(), dParamFMax); }
  Vec2 HeadFrom(const Kest::Object* wheel) const {
    return PositionOf(*bike->GetRider().GetPart(Kest::Rider::kHead)) - PositionOf(*wheel);
  }
  // From rest; way is 1 facing right, -1 facing left.
  void ExpectThrottleDrives(float way) {
    const float start = bike->GetPosition().x;
    bike->SetThrottle(Kest::Bike::kAccelerate);
    Step();
    EXPECT_EQ(MotorForce(), dInfinity);
    EXPECT_NEAR(MotorTarget(), bike->GetMotorSpeed() + 0.0005f * way, 1e-6f) << "creeps up";
    Step(300);
    EXPECT_GT((bike->GetPosition().x - start) * way, 15.0f);
    EXPECT_GT(bike->GetMotorSpeed() * way, 0.1f);
    EXPECT_FALSE(bike->IsRestartRequested());
  }
  int Puffs(int depth) {
    int count = 0;
    for (Kest::Object* object : space) {
      count += typeid(*object) == typeid(Kest::Sprite) && object->GetDepth() == depth;
    }
    return count;
  }
};

TEST_F(Riding, LeftIdleOnTheGroundTheBikeSettlesUprightAndComesToRest) {
  Settle();
  EXPECT_NEAR(bike->GetPosition().y, 170.0f, 0.5f) << "wheels of radius 30 on ground at 200";
  EXPECT_NEAR(TurnOf(*bike->GetChassis()), 0.0f, 0.01f);
  EXPECT_FALSE(bike->IsRestartRequested());
  EXPECT_LT(Speed(*bike->GetChassis()), 0.01f);
  EXPECT_LT(Speed(*bike->GetFrontWheel()), 0.01f);
  for (Kest::Object* object : space) {
    if (!object->GetBody() || !object->GetBody()->IsDynamic()) continue;
    EXPECT_TRUE(std::isfinite(PositionOf(*object).x) && std::isfinite(PositionOf(*object).y));
    EXPECT_LT(Speed(*object), 0.5f) << "the limbs only tremble";
  }
  EXPECT_EQ(MotorForce(), 0.0f) << "idling lets the wheel run free";
}

TEST_F(Riding, ThrottleDrivesTheBikeForward) {
  Settle();
  ExpectThrottleDrives(1.0f);
}

TEST_F(Riding, FacingLeftTheThrottleDrivesTheBikeLeft) {
  Settle();
  bike->TurnAround();
  ExpectThrottleDrives(-1.0f);
}

TEST_F(Riding, BrakingAfterThrottleStopsBothWheels) {
  Settle();
  bike->SetThrottle(Kest::Bike::kAccelerate);
  Step(300);
  const float fast = Speed(*bike->GetChassis());
  bike->SetThrottle(Kest::Bike::kBrake);
  Step();
  EXPECT_EQ(MotorForce(), 0.0f);
  EXPECT_NEAR(Turning(bike->GetDrivenWheel()), bike->GetMotorSpeed() - 0.1f, 1e-6f);
  EXPECT_EQ(Turning(bike->GetFrontWheel()), Turning(bike->GetDrivenWheel()));
  Step(150);
  EXPECT_EQ(Turning(bike->GetDrivenWheel()), 0.0f) << "never turned backwards";
  EXPECT_EQ(Turning(bike->GetFrontWheel()), 0.0f);
  EXPECT_LT(Speed(*bike->GetChassis()), fast);
}

TEST_F(Riding, ALeanPushesForItsStepsAndBlocksTheSameLeanForItsCooldown) {
  Settle();
  const Kest::Object* front = bike->GetFrontWheel();
  Vec2 push = HeadFrom(front) * 80.0f;
  bike->LeanBack();
  for (int step = 1; step <= 55; ++step) {
    Step();
    ExpectForce(front, push);
  }
  Step();
  ExpectForce(front, Vec2());

  const Vec2 forward = HeadFrom(bike->GetDrivenWheel()) * 80.0f;
  bike->LeanForward();  // the other lean is free meanwhile
  Step();
  ExpectForce(bike->GetDrivenWheel(), forward);

  Step(282);
  bike->LeanBack();  // still cooling down before step 340
  Step();
  ExpectForce(front, Vec2());
  push = HeadFrom(front) * 80.0f;
  bike->LeanBack();
  Step();
  ExpectForce(front, push);
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
  for (Kest::Object* object : space) {
    if (typeid(*object) != typeid(Kest::Sprite) || object->GetDepth() != -100) continue;
    const ol::Vec2& corner = static_cast<Kest::Sprite*>(object)->GetPosition();
    EXPECT_NEAR(corner.x + 32.0f, PositionOf(*bike->GetDrivenWheel()).x, 3.0f);
    EXPECT_NEAR(corner.y + 32.0f, 200.0f, 1.0f) << "on the ground's top";
  }
}

// One bike step in water with the driven wheel turning and the chassis
// moving sideways at the given speeds; the chassis's sideways speed after.
float StepInWater(Kest::Bike& bike, float turning, float sideways) {
  const dBodyID chassis = BodyOf(*bike.GetChassis());
  bike.SetInWater(true);
  dBodySetAngularVel(BodyOf(*bike.GetDrivenWheel()), 0.0f, 0.0f, turning);
  dBodySetLinearVel(chassis, sideways, 0.5f, 0.0f);
  dBodySetForce(chassis, 0.0f, 0.0f, 0.0f);
  bike.Step(kStepMs);
  return dBodyGetLinearVel(chassis)[0];
}

TEST_F(Riding, WaterLiftsTheBikeAndHoldsTheWheelAndTheChassisToItsPace) {
  EXPECT_FLOAT_EQ(StepInWater(*bike, 0.1f, 1.0f), 1.0f) << "a slow wheel leaves the chassis";
  EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), 0.09f);
  ExpectForce(bike->GetChassis(), Vec2(0.0f, -250.0f));
  dMass mass;
  dBodyGetMass(BodyOf(*bike->GetChassis()), &mass);
  EXPECT_FLOAT_EQ(mass.mass, 10.0f * 100 * 4);
  EXPECT_FLOAT_EQ(StepInWater(*bike, 0.5f, 1.0f), 2.0f);
  EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), 0.3f);
  EXPECT_FLOAT_EQ(StepInWater(*bike, 0.3f, 3.0f), 3.0f * 0.7692308f);
  EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), 0.2f);
  // The two ways round the slowed speed differently in the last bit.
  EXPECT_EQ(StepInWater(*bike, 0.3f, 2.5f), static_cast<float>(2.5f * 0.769230769));
  EXPECT_EQ(StepInWater(*bike, -0.3f, -2.5f), -2.5f * 0.7692308f);
  EXPECT_FLOAT_EQ(StepInWater(*bike, -0.5f, -1.0f), -2.0f);
  EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), -0.3f);
  EXPECT_FLOAT_EQ(StepInWater(*bike, -0.1f, 1.0f), 1.0f);
  EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), -0.09f);
  EXPECT_FLOAT_EQ(StepInWater(*bike, 0.05f, 1.0f), 1.0f);
  EXPECT_FLOAT_EQ(bike->GetMotorSpeed(), 0.05f);
  bike->SetThrottle(Kest::Bike::kAccelerate);
  StepInWater(*bike, 0.5f, 1.0f);
  EXPECT_FLOAT_EQ(MotorTarget(), 0.3f + 0.001f) << "the motor chases the held value";

  bike->PreStep();  // out of the water
  dBodySetForce(BodyOf(*bike->GetChassis()), 0.0f, 0.0f, 0.0f);
  bike->Step(kStepMs);
  ExpectForce(bike->GetChassis(), Vec2());
}

// One step with the driven wheel turning that way, then the boost: only a
// bike already driving the boost's way is kicked, a standing one never.
TEST_F(Riding, ABoostKicksOnlyABikeDrivingItsWay) {
  const struct {
    bool facingLeft;
    float turning;
    bool leftward;
    float kick;
  } cases[] = {{false, 0.0f, false, 0.0f}, {false, 0.0f, true, 0.0f},  {true, 0.0f, true, 0.0f},
               {true, 0.0f, false, 0.0f},  {false, 0.2f, true, 0.0f},  {false, -0.2f, false, 0.0f},
               {true, 0.2f, true, 0.0f},   {true, -0.2f, false, 0.0f}, {false, 0.2f, false, 1.7f},
               {true, -0.2f, true, -1.7f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.facingLeft << " " << c.turning << " " << c.leftward);
    bike = Kest::Bike::Create(space);
    if (c.facingLeft) bike->TurnAround();
    dBodySetAngularVel(BodyOf(*bike->GetDrivenWheel()), 0.0f, 0.0f, c.turning);
    bike->Step(kStepMs);
    bike->Boost(c.leftward);
    EXPECT_EQ(bike->IsShaking(), c.kick != 0.0f);
    EXPECT_FLOAT_EQ(Turning(bike->GetDrivenWheel()), c.kick != 0.0f ? c.kick : c.turning);
    if (c.kick != 0.0f) {
      EXPECT_FLOAT_EQ(MotorTarget(), c.kick);
    }
  }
}

TEST_F(Riding, ABoostShakesTheCameraFor100Ms) {
  dBodySetAngularVel(BodyOf(*bike->GetDrivenWheel()), 0.0f, 0.0f, 0.2f);
  bike->Step(kStepMs);
  bike->Boost(false);
  bike->Step(100.0f);
  EXPECT_TRUE(bike->IsShaking());
  bike->Step(1.0f);
  EXPECT_FALSE(bike->IsShaking());
}

// The dial shows how fast the driven wheel turns, either way, up to 1.
TEST_F(Riding, TheSpeedDialFollowsTheDrivenWheel) {
  const Kest::SpeedMeter* dial = nullptr;
  for (const Kest::Object* object : space)
    if (typeid(*object) == typeid(Kest::SpeedMeter)) dial = static_cast<const Kest::SpeedMeter*>(object);
  ASSERT_NE(dial, nullptr);
  const struct {
    float turning, shown;
  } cases[] = {{0.5f, 0.5f}, {-0.25f, 0.25f}, {1.7f, 1.0f}};
  for (const auto& c : cases) {
    dBodySetAngularVel(BodyOf(*bike->GetDrivenWheel()), 0.0f, 0.0f, c.turning);
    bike->Step(kStepMs);
    EXPECT_FLOAT_EQ(dial->GetValue(), c.shown) << c.turning;
  }
}

}  // namespace
}  // namespace BikeTest
