#include <gtest/gtest.h>

#include <vector>

#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/resourcemanager.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using TestSupport::Scene;
using TestSupport::Witness;

using SpaceTest = Scene;

// An object outside physics that keeps its label, to see the walk order.
class Tagged : public Kest::Object {
 public:
  explicit Tagged(int tag) : tag(tag) {}
  int tag;
};

std::vector<int> WalkTags(Kest::Space& space) {
  std::vector<int> tags;
  for (Kest::Object* object : space) tags.push_back(static_cast<Tagged*>(object)->tag);
  return tags;
}

TEST_F(SpaceTest, WalksByDepthWithTiesInInsertionOrder) {
  space.Insert(new Tagged(1), 5);
  space.Insert(new Tagged(2), -1);
  space.Insert(new Tagged(3), 5);
  space.Insert(new Tagged(4), 0);
  space.Insert(new Tagged(5), -1);
  EXPECT_EQ(WalkTags(space), (std::vector<int>{2, 5, 4, 1, 3}));
}

TEST_F(SpaceTest, FindsObjectsByNameAndByBody) {
  auto* wheel = new Kest::Circle(0, 0, 10, "", true);
  auto* twin = new Kest::Circle(50, 0, 10, "", true);
  auto* picture = new Tagged(7);
  space.Insert(wheel, "wheel");
  space.Insert(twin, 3, "wheel");
  space.Insert(picture, "picture");

  EXPECT_EQ(space.FindObject("wheel"), wheel) << "the first object keeps the name";
  EXPECT_EQ(space.FindObject("picture"), picture);
  EXPECT_EQ(space.FindObject("nothing"), nullptr);
  EXPECT_EQ(space.FindByBody(wheel->GetBody()), wheel);
  EXPECT_EQ(space.FindByBody(twin->GetBody()), twin);
  EXPECT_EQ(space.FindByBody(nullptr), nullptr) << "objects outside physics add no body entry";
  EXPECT_EQ(space.size(), 3u);
}

TEST_F(SpaceTest, SweepDeletesRemovedObjectsAndTheirIndexEntries) {
  auto* ball = new Kest::Circle(0, 0, 10, "", true);
  auto* stone = new Kest::Block(0, 50, 10, 10, "", false);
  Witness ballWitness;
  ball->AddObserver(&ballWitness);
  space.Insert(ball, "ball");
  space.Insert(stone, "stone");
  const Tessora::Object* ballBody = ball->GetBody();

  ball->SetRemoved(true);
  Sweep();

  EXPECT_EQ(ballWitness.destroyed, 1);
  EXPECT_EQ(space.FindObject("ball"), nullptr);
  EXPECT_EQ(space.FindByBody(ballBody), nullptr);
  EXPECT_EQ(space.FindObject("stone"), stone);
  EXPECT_EQ(space.size(), 1u);
}

// One object, one owner: a second insertion would make the space delete it
// twice, a registered prototype would be deleted by two owners.
TEST_F(SpaceTest, RefusesNullTwiceInsertedAndPrototypeObjects) {
  TestSupport::TraceCapture trace;
  auto* crate = new Kest::Block(0, 0, 10, 10, "", true);
  EXPECT_TRUE(space.Insert(crate, "crate"));
  EXPECT_FALSE(space.Insert(crate, 4, "again"));
  EXPECT_FALSE(space.Insert(nullptr));
  EXPECT_EQ(space.size(), 1u);
  EXPECT_EQ(space.FindObject("again"), nullptr);
  EXPECT_TRUE(trace.Contains("already in the space"));

  auto* prototype = new Kest::Circle(0, 0, 5, "", false);
  Kest::ResourceManager::GetInstance()->RegisterObject("pebble", prototype);
  EXPECT_FALSE(space.Insert(prototype));
  EXPECT_FALSE(space.Contains(prototype));
  EXPECT_TRUE(trace.Contains("prototype is not inserted"));
}

}  // namespace
