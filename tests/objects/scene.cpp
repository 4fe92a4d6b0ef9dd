#include "tests/objects/scene.h"

#include <vector>

#include "game/app/app.h"
#include "game/objects/bodyobject.h"

namespace ObjectsTest {

Scene::Scene() {
  Kest::ApplyGameSettings(world);
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
