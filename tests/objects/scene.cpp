#include "tests/objects/scene.h"

#include <vector>

#include "game/bodyobject.h"

namespace ObjectsTest {

Scene::Scene() {
  world.SetCFM(0.0f);
  world.SetAutoDisableFlag(false);
  world.SetAutoDisableLinearThreshold(0.25f);
  world.SetERP(0.2f);
  world.SetContactMaxCorrectingVel(1.0f);
  world.SetContactSurfaceLayer(0.01f);
  world.SetGravity(Tessora::Vec2(0.0f, 0.9f));
  Kest::SetPhysicsWorld(&world);
}

Scene::~Scene() {
  space.Clear();
  Kest::SetPhysicsWorld(nullptr);
}

void Scene::Step(int count) {
  std::vector<Tessora::Object*> candidates;
  for (Kest::Object* object : space) candidates.push_back(object->GetBody());
  for (int i = 0; i < count; ++i) {
    world.CollideObjects(candidates);
    world.Step(kGameStep);
  }
}

void Scene::Sweep() {
  for (auto position = space.begin(); position != space.end();) {
    position = (*position)->IsRemoved() ? space.Erase(position) : std::next(position);
  }
}

}  // namespace ObjectsTest
