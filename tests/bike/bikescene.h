// The shared scene with a new bike at its start (0, 100), stepped as the main loop steps it.
#pragma once

#include <cmath>
#include <vector>

#include "game/bike/bike.h"
#include "game/bike/bikeparts.h"
#include "game/objects/block.h"
#include "tests/support/scene.h"

namespace BikeTest {

using Kest::BodyOf;
using Kest::PositionOf;

constexpr float kStepMs = 2.0f;
constexpr float kRadiansPerDegree = 0.017453292f;

class BikeScene : public TestSupport::Scene {
 protected:
  BikeScene() : bike(Kest::Bike::Create(space)) {}
  ~BikeScene() override { Kest::Bike::Destroy(); }

  void Step(int count = 1) {
    for (int i = 0; i < count; ++i) {
      bike->PreStep();
      Scene::Step();
      bike->Step(kStepMs);
    }
  }
  // A static block with its top-left corner at (x, y), in the space.
  Kest::Object* AddGround(float x, float y, float width, float height) {
    auto* ground = new Kest::Block(x, y, width, height, "", false);
    space.Insert(ground);
    return ground;
  }
  // Idle on level ground (its top at y = 200) until the bike is at rest.
  void Settle() {
    AddGround(-2000.0f, 200.0f, 8000.0f, 40.0f);
    bike->MoveTo(0.0f, 160.0f);
    Step(1500);
  }

  Kest::Bike* bike;
};

// The body's turn about z, in radians.
inline float TurnOf(const Kest::Object& object) {
  const dReal* r = dBodyGetRotation(BodyOf(object));
  return std::atan2(r[4], r[0]);
}

// The joint of that type between the two bodies (null: the world), or null.
inline dJointID FindJoint(dBodyID a, dBodyID b, int type) {
  const std::vector<dJointID> joints = TestSupport::JointsBetween(a, b, type);
  return joints.empty() ? nullptr : joints.front();
}

}  // namespace BikeTest
