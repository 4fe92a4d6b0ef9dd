#include <gtest/gtest.h>

#include <cmath>

#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/meters.h"
#include "game/objects/texture.h"
#include "render/rendermode.h"
#include "tessora/object.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using TestSupport::Scene;
using TestSupport::Witness;
using ObjectTest = Scene;

// Removes itself the first time it is told anything.
class OneShotWitness : public Kest::ObjectObserver {
 public:
  void OnCollision(int, Kest::Object* object) override {
    ++calls;
    object->RemoveObserver(this);
  }
  int calls = 0;
};

TEST(ObjectObservers, AnObserverMayLeaveDuringTheWalkAndAllHearOfTheDestruction) {
  OneShotWitness leaving;
  Witness staying;
  {
    Kest::Object object;
    object.AddObserver(&leaving);
    object.AddObserver(&staying);
    object.AddObserver(nullptr);
    object.NotifyObservers(Kest::ObjectObserver::kCollision);
    object.NotifyObservers(Kest::ObjectObserver::kCollision);
  }
  EXPECT_EQ(leaving.calls, 1);
  EXPECT_EQ(staying.collisions, 2);
  EXPECT_EQ(staying.destroyed, 1);
}

// A ball dropped onto a slab, the ball watching for contacts.
class WatchTest : public Scene {
 protected:
  WatchTest() {
    ball->EnableCollisionCallback(true);
    ball->AddObserver(&witness);
    space.Insert(ball);
    space.Insert(slab);
  }
  ~WatchTest() override { space.Clear(); }  // while the witness lives

  Kest::Circle* ball = new Kest::Circle(100, 90, 10, "", true);
  Kest::Block* slab = new Kest::Block(0, 100, 200, 20, "", false);
  Witness witness;
};

TEST_F(WatchTest, OnlyContactWithAWatchedObjectIsACollision) {
  auto* elsewhere = new Kest::Block(500, 500, 10, 10, "", false);
  space.Insert(elsewhere);
  ball->AddCollisionWatch(elsewhere);
  Step(40);
  EXPECT_EQ(witness.collisions, 0);
  EXPECT_LT(ball->GetCenter().y, 91.0f) << "the slab still holds the ball up";
  ball->AddCollisionWatch(slab);
  Step(1);
  EXPECT_EQ(witness.collisions, 1);
}

// Either side may go first; the sanitizer build sees any dangling entry.
TEST_F(WatchTest, AWatchEndsWhenEitherSideIsDestroyed) {
  auto* crate = new Kest::Block(100, 0, 10, 10, "", false);
  ball->AddCollisionWatch(crate);
  ball->AddCollisionWatch(slab);
  delete crate;
  EXPECT_FALSE(ball->IsWatching(crate));
  Step(40);  // the contact walk no longer meets the deleted crate
  EXPECT_GT(witness.collisions, 0);
  auto* watcher = new Kest::Circle(300, 0, 5, "", true);
  watcher->AddCollisionWatch(slab);
  slab->AddCollisionWatch(watcher);
  delete watcher;
  EXPECT_FALSE(slab->IsWatching(watcher));
}

TEST_F(ObjectTest, UserJointsAreRemovedByIndex) {
  Kest::Circle ball(0, 0, 5, "", true);
  ball.AddUserJoint(world.CreateMotor(ball.GetBody()));
  ball.AddUserJoint(world.CreateMotor(ball.GetBody()));
  ball.RemoveUserJoint(2);
  ball.RemoveUserJoint(0);
  EXPECT_EQ(ball.GetUserJointCount(), 1);
  EXPECT_EQ(dBodyGetNumJoints(ball.GetBody()->GetBody()), 1);
}

// The view is 800 x 600 at (1000, 0); edges count, and a ground wider than
// the view, its corners and centre outside it, is in view.
TEST_F(ObjectTest, InViewWhenTheBoxTouchesTheView) {
  const struct {
    float x, y, w, h;
    bool inView;
  } cases[] = {{-5000, 500, 20000, 2000, true}, {0, 0, 100, 100, false}, {1000, 601, 100, 100, false},
               {900, 0, 100, 100, true}, {1100, 100, 10, 10, true}};
  for (const auto& c : cases) {
    const Kest::Block block(c.x, c.y, c.w, c.h, "", false);
    EXPECT_EQ(block.IsInView(ol::Vec2(1000, 0), ol::Vec2(1800, 600)), c.inView) << c.x << ", " << c.y;
  }
  EXPECT_FALSE(Kest::Object().IsInView(ol::Vec2(1000, 0), ol::Vec2(1800, 600))) << "no body";
}

// The needle turns half a turn at most, whatever the wheel does.
TEST_F(ObjectTest, TheSpeedMeterHoldsItsValueToZeroToOne) {
  Kest::SpeedMeter meter;
  const float cases[][2] = {{0.4f, 0.4f}, {1.7f, 1.0f}, {-0.3f, 0.0f}, {INFINITY, 1.0f}, {NAN, 0.0f}};
  for (const auto& c : cases) {
    meter.SetValue(c[0]);
    EXPECT_EQ(meter.GetValue(), c[1]) << c[0];
  }
}

// A file that does not load is logged and keeps its name, also through a
// copy that has no bitmap to load; an empty name loads nothing quietly.
TEST_F(ObjectTest, AFailedTextureLoadIsLoggedAndKeepsTheName) {
  TestSupport::TraceCapture trace;
  Kest::Texture texture;
  texture.Load("");
  texture.Load("res\\nothing.png");
  EXPECT_FALSE(texture.IsValid());
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Failed to create texture: res\\nothing.png"});
  texture = Kest::Texture();
  EXPECT_EQ(texture.GetFileName(), "res\\nothing.png");
}

// Each texture deletes only its own render mode, and assigning a texture
// to itself keeps its mirroring.
TEST(TextureCopy, CopiesMirrorOnTheirOwn) {
  Kest::Texture mirrored;
  mirrored.SetFlipMode(2);
  Kest::Texture target;
  target.SetFlipHorizontally();
  target = mirrored;
  ASSERT_NE(target.GetRenderMode(), nullptr);
  EXPECT_NE(target.GetRenderMode(), mirrored.GetRenderMode());
  Kest::Texture& self = target;
  target = self;
  ASSERT_NE(target.GetRenderMode(), nullptr);
  EXPECT_EQ(target.GetFlipMode(), 2);
  target = Kest::Texture();
  EXPECT_EQ(target.GetRenderMode(), nullptr);
}

}  // namespace
