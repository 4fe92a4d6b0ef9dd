#include <gtest/gtest.h>

#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/resourcemanager.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using SpaceTest = TestSupport::Scene;

// The first object keeps a name; objects outside physics add no body entry;
// the sweep deletes a removed object with its entries.
TEST_F(SpaceTest, FindsObjectsByNameAndByBodyUntilTheyAreSwept) {
  auto* wheel = new Kest::Circle(0, 0, 10, "", true);
  auto* twin = new Kest::Circle(50, 0, 10, "", true);
  auto* picture = new Kest::Object;
  space.Insert(wheel, "wheel");
  space.Insert(twin, 3, "wheel");
  space.Insert(picture, "picture");
  EXPECT_EQ(space.FindObject("wheel"), wheel);
  EXPECT_EQ(space.FindObject("picture"), picture);
  EXPECT_EQ(space.FindObject("nothing"), nullptr);
  EXPECT_EQ(space.FindByBody(twin->GetBody()), twin);
  EXPECT_EQ(space.FindByBody(nullptr), nullptr);

  TestSupport::Witness witness;
  wheel->AddObserver(&witness);
  const Tessora::Object* body = wheel->GetBody();
  wheel->SetRemoved(true);
  Sweep();
  EXPECT_EQ(witness.destroyed, 1);
  EXPECT_EQ(space.FindObject("wheel"), nullptr);
  EXPECT_EQ(space.FindByBody(body), nullptr);
  EXPECT_EQ(space.FindObject("picture"), picture);
  EXPECT_EQ(space.size(), 2u);
}

// One object, one owner: a second insertion would make the space delete it
// twice, a registered prototype would be deleted by two owners.
TEST_F(SpaceTest, RefusesNullTwiceInsertedAndPrototypeObjects) {
  TestSupport::TraceCapture trace;
  auto* crate = new Kest::Block(0, 0, 10, 10, "", true);
  EXPECT_TRUE(space.Insert(crate, "crate"));
  EXPECT_FALSE(space.Insert(crate, 4, "again"));
  EXPECT_FALSE(space.Insert(nullptr));
  EXPECT_EQ(space.FindObject("again"), nullptr);
  EXPECT_TRUE(trace.Contains("already in the space"));

  auto* prototype = new Kest::Circle(0, 0, 5, "", false);
  Kest::ResourceManager::GetInstance()->RegisterObject("pebble", prototype);
  EXPECT_FALSE(space.Insert(prototype));
  EXPECT_EQ(space.size(), 1u);
  EXPECT_TRUE(trace.Contains("prototype is not inserted"));
}

}  // namespace
