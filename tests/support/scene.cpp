#include "tests/support/scene.h"

#include <vector>

#include "game/app/app.h"
#include "game/app/mainloop.h"
#include "game/objects/bodyobject.h"
#include "game/objects/resourcemanager.h"

namespace TestSupport {

// The solver orders its constraints at random: from a fixed seed every
// test replays the same physics, whatever ran before it.
Scene::Scene() {
  dRandSetSeed(0);
  Kest::ApplyGameSettings(world);
  Kest::SetPhysicsWorld(&world);
  Kest::ResourceManager::Create();
}

// Prototypes and the space's objects hold bodies of the world: both go first.
Scene::~Scene() {
  space.Clear();
  Kest::ResourceManager::Destroy();
  Kest::SetPhysicsWorld(nullptr);
}

void Scene::Step(int count) {
  for (int i = 0; i < count; ++i) {
    std::vector<Tessora::Object*> candidates;
    for (Kest::Object* object : space) candidates.push_back(object->GetBody());
    world.CollideObjects(candidates);
    world.Step(Kest::MainLoop::kStepLength);
  }
}

void Scene::Sweep() {
  for (auto position = space.begin(); position != space.end();) {
    position = (*position)->IsRemoved() ? space.Erase(position) : std::next(position);
  }
}

std::vector<dJointID> JointsBetween(dBodyID a, dBodyID b, int type) {
  std::vector<dJointID> joints;
  for (int i = 0; i < dBodyGetNumJoints(a); ++i) {
    const dJointID joint = dBodyGetJoint(a, i);
    const dBodyID first = dJointGetBody(joint, 0);
    const dBodyID second = dJointGetBody(joint, 1);
    if (dJointGetType(joint) == type && ((first == a && second == b) || (first == b && second == a)))
      joints.push_back(joint);
  }
  return joints;
}

}  // namespace TestSupport
