#include "tests/bike/bikescene.h"

#include <cmath>

#include "game/objects/block.h"

namespace BikeTest {

void BikeScene::Step(int count) {
  for (int i = 0; i < count; ++i) {
    bike->PreStep();
    Scene::Step();
    bike->Step(kStepMs);
  }
}

Kest::Object* BikeScene::AddGround(float x, float y, float width, float height) {
  auto* ground = new Kest::Block(x, y, width, height, "", false);
  space.Insert(ground);
  return ground;
}

void BikeScene::Settle() {
  AddGround(-2000.0f, 200.0f, 8000.0f, 40.0f);
  bike->MoveTo(0.0f, 160.0f);
  Step(1500);
}

float TurnOf(const Kest::Object& object) {
  const dReal* r = dBodyGetRotation(BodyOf(object));
  return std::atan2(r[4], r[0]);
}

dJointID FindJoint(dBodyID a, dBodyID b, int type) {
  const std::vector<dJointID> joints = TestSupport::JointsBetween(a, b, type);
  return joints.empty() ? nullptr : joints.front();
}

}  // namespace BikeTest
