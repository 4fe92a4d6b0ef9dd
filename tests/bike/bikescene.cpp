#include "tests/bike/bikescene.h"

#include <cmath>

#include "game/app/app.h"
#include "game/objects/block.h"
#include "game/objects/bodyobject.h"
#include "game/app/mainloop.h"
#include "game/objects/resourcemanager.h"
#include "tessora/object.h"

namespace BikeTest {

BikeScene::BikeScene() {
  Kest::ApplyGameSettings(world);
  Kest::SetPhysicsWorld(&world);
  Kest::ResourceManager::Create();
  bike = Kest::Bike::Create(space);
}

BikeScene::~BikeScene() {
  Kest::Bike::Destroy();
  space.Clear();
  Kest::ResourceManager::Destroy();
  Kest::SetPhysicsWorld(nullptr);
}

void BikeScene::Step(int count) {
  for (int i = 0; i < count; ++i) {
    std::vector<Tessora::Object*> candidates;
    for (Kest::Object* object : space) candidates.push_back(object->GetBody());
    bike->PreStep();
    world.CollideObjects(candidates);
    world.Step(Kest::MainLoop::kStepLength);
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
  for (int i = 0; i < dBodyGetNumJoints(a); ++i) {
    dJointID joint = dBodyGetJoint(a, i);
    if (dJointGetType(joint) != type) continue;
    const dBodyID first = dJointGetBody(joint, 0);
    const dBodyID second = dJointGetBody(joint, 1);
    if ((first == a && second == b) || (first == b && second == a)) return joint;
  }
  return nullptr;
}

}  // namespace BikeTest
