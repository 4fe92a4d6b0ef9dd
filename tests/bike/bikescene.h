// A level without a screen for the bike: the shared scene with a new bike
// at its start (0, 100). Each step runs as the main loop runs it.
#pragma once

#include "game/bike/bike.h"
#include "game/bike/bikeparts.h"
#include "tests/support/scene.h"

namespace BikeTest {

constexpr float kStepMs = 2.0f;
constexpr float kRadiansPerDegree = 0.017453292f;

class BikeScene : public TestSupport::Scene {
 protected:
  BikeScene() : bike(Kest::Bike::Create(space)) {}
  ~BikeScene() override { Kest::Bike::Destroy(); }

  // PreStep, the collision pass, the world step and the bike's step with
  // 2 ms, count times.
  void Step(int count = 1);
  // A static block with its top-left corner at (x, y), in the space.
  Kest::Object* AddGround(float x, float y, float width, float height);
  // Idle on level ground (its top at y = 200) until the bike has come to
  // rest.
  void Settle();

  Kest::Bike* bike;
};

using Kest::BodyOf;
using Kest::PositionOf;
// The body's turn about z, in radians.
float TurnOf(const Kest::Object& object);
// The joint of that type between the two bodies (null: the fixed world), or
// null when there is none.
dJointID FindJoint(dBodyID a, dBodyID b, int type);

}  // namespace BikeTest
