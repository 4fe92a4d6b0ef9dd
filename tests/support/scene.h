// A level without a screen: a physics world set up as the game sets up every level (level objects take their bodies
// from it), a space that owns the objects, a resource manager (it loads no images without a screen), and physics
// steps over everything in the space.
#pragma once

#include <gtest/gtest.h>
#include <ode/ode.h>

#include <typeinfo>
#include <vector>

#include "game/objects/object.h"
#include "game/objects/space.h"
#include "tessora/world.h"

namespace TestSupport {

class Scene : public ::testing::Test {
 protected:
  Scene();
  ~Scene() override;

  // The collision pass over every object of the space, in depth order, then the world step, count times.
  void Step(int count = 1);
  // The application's sweep: removed objects leave the space.
  void Sweep();

  Tessora::World world;
  Kest::Space space;  // after the world: its objects go first
};

// Counts what an object tells its observers.
class Witness : public Kest::ObjectObserver {
 public:
  void OnCollision(int kind, Kest::Object*) override { ++(kind == kDestroyed ? destroyed : collisions); }
  int collisions = 0;
  int destroyed = 0;
};

// The objects of exactly that type in the space, in depth order.
template <class T>
std::vector<T*> ObjectsOfType(Kest::Space& space) {
  std::vector<T*> found;
  for (Kest::Object* object : space)
    if (typeid(*object) == typeid(T)) found.push_back(static_cast<T*>(object));
  return found;
}

// The joints of that type between two solver bodies (null: the fixed world).
std::vector<dJointID> JointsBetween(dBodyID a, dBodyID b, int type);

}  // namespace TestSupport
