// Who owns the level's objects: the space, or the resource manager for prototypes; never both.
#include <gtest/gtest.h>

#include <memory>

#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/line.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/sprite.h"
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
}

// One object, one owner: else the space or two owners would delete it twice.
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

using ResourceManagerTest = TestSupport::Scene;

Kest::ResourceManager& Resources() { return *Kest::ResourceManager::GetInstance(); }

// A name holds one prototype: a new one replaces (and deletes) the old.
// Each refusal leaves the prototypes as they were and says so once.
TEST_F(ResourceManagerTest, ANameHoldsOnePrototypeOwnedByNoOneElse) {
  TestSupport::TraceCapture trace;
  TestSupport::Witness witness;
  auto* ball = new Kest::Circle(0, 0, 5, "", false);
  ball->AddObserver(&witness);
  Resources().RegisterObject("ball", ball);
  Resources().RegisterObject("ball", ball);
  Resources().RegisterObject("other", ball);
  Resources().RegisterObject("none", nullptr);
  EXPECT_EQ(witness.destroyed, 0);
  EXPECT_EQ(Resources().FindPrototype("ball"), ball);
  EXPECT_EQ(Resources().FindPrototype("other"), nullptr);
  EXPECT_EQ(Resources().FindPrototype("none"), nullptr);
  EXPECT_EQ(trace.Lines().size(), 3u);

  auto* replacement = new Kest::Circle(0, 0, 8, "", false);
  Resources().RegisterObject("ball", replacement);
  EXPECT_EQ(witness.destroyed, 1);
  EXPECT_EQ(Resources().FindPrototype("ball"), replacement);
  // A new object at a gone prototype's address is no prototype.
  EXPECT_FALSE(Resources().IsPrototype(ball));
  EXPECT_TRUE(Resources().IsPrototype(replacement));
  Resources().ClearPrototypes();
  EXPECT_FALSE(Resources().IsPrototype(replacement));
}

// The prototype's shape is moved to the place and copied; lines do not
// copy, and a sprite has no body to place: it is cloned as a sprite only.
TEST_F(ResourceManagerTest, ClonesObjectsAtAPlaceAndSpritesOnlyFromSprites) {
  Resources().RegisterObject("ball", new Kest::Circle(0, 0, 5, "", true));
  Resources().RegisterObject("crate", new Kest::Block(0, 0, 20, 10, "", false));
  Resources().RegisterObject("stub", new Kest::Line(0, 0, 10, 0, "", false));
  auto* smoke = new Kest::Sprite("", 4, 128, 128, 16, 100.0f, 0, 0, false, false);
  smoke->SetSpeed(0.0f, -1.0f);
  Resources().RegisterObject("smoke", smoke);
  for (const char* name : {"ball", "crate"}) {
    std::unique_ptr<Kest::Object> copy(Resources().CloneObject(name, 100, 50));
    ASSERT_NE(copy, nullptr) << name;
    EXPECT_NEAR((copy->GetCenter() - ol::Vec2(100, 50)).Length(), 0.0f, 1e-4f) << name;
  }
  for (const char* name : {"stub", "smoke", "nothing"}) EXPECT_EQ(Resources().CloneObject(name, 1, 1), nullptr) << name;
  std::unique_ptr<Kest::Sprite> puff(Resources().CloneSprite("smoke"));
  ASSERT_NE(puff, nullptr);
  EXPECT_EQ(puff->GetSpeed().y, -1.0f);
  EXPECT_EQ(Resources().CloneSprite("ball"), nullptr);
}

}  // namespace
