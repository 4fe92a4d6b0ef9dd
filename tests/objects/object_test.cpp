#include <gtest/gtest.h>

#include <cmath>

#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "tessora/object.h"
#include "tessora/world.h"
#include "tests/objects/scene.h"
#include "tests/support/tracecapture.h"

namespace ObjectsTest {
namespace {

using ObjectTest = Scene;

TEST(ObjectDefaults, NewObjectIsRedVisibleUnfilledAndPresent) {
  Kest::Object object;
  EXPECT_EQ(object.GetColor().r, 1.0f);
  EXPECT_EQ(object.GetColor().g, 0.0f);
  EXPECT_EQ(object.GetColor().a, 1.0f);
  EXPECT_TRUE(object.IsVisible());
  EXPECT_FALSE(object.IsFilled());
  EXPECT_FALSE(object.IsRemoved());

  object.SetFillColor(255, 0, 0, 128);
  EXPECT_TRUE(object.IsFilled());
  EXPECT_FLOAT_EQ(object.GetFillColor().r, 1.0f);
  EXPECT_NEAR(object.GetFillColor().a, 0.502f, 0.001f);
}

// Removes itself the first time it is told anything.
class OneShotWitness : public Kest::ObjectObserver {
 public:
  void OnCollision(int, Kest::Object* object) override {
    ++calls;
    object->RemoveObserver(this);
  }
  int calls = 0;
};

TEST(ObjectObservers, AnObserverThatLeavesDuringTheWalkIsNotToldAgain) {
  OneShotWitness leaving;
  Witness staying;
  Kest::Object object;
  object.AddObserver(&leaving);
  object.AddObserver(&staying);
  object.AddObserver(nullptr);

  object.NotifyObservers(Kest::ObjectObserver::kCollision);
  object.NotifyObservers(Kest::ObjectObserver::kCollision);

  EXPECT_EQ(leaving.calls, 1);
  EXPECT_EQ(staying.collisions, 2);
}

TEST(ObjectObservers, DestructionIsToldToEveryObserver) {
  Witness witness;
  {
    Kest::Object object;
    object.AddObserver(&witness);
  }
  EXPECT_EQ(witness.destroyed, 1);
  EXPECT_EQ(witness.collisions, 0);
}

// A ball dropped onto a slab, the ball watching for contacts.
class WatchTest : public Scene {
 protected:
  WatchTest() {
    ball = new Kest::Circle(100, 90, 10, "", true);
    slab = new Kest::Block(0, 100, 200, 20, "", false);
    ball->EnableCollisionCallback(true);
    ball->AddObserver(&witness);
    space.Insert(ball);
    space.Insert(slab);
  }
  ~WatchTest() override { space.Clear(); }  // while the witness lives

  Kest::Circle* ball;
  Kest::Block* slab;
  Witness witness;
};

TEST_F(WatchTest, ContactWithAWatchedObjectIsACollision) {
  ball->AddCollisionWatch(slab);
  Step(40);
  EXPECT_GT(witness.collisions, 0);
}

TEST_F(WatchTest, ContactWithAnUnwatchedObjectIsNothing) {
  auto* elsewhere = new Kest::Block(500, 500, 10, 10, "", false);
  space.Insert(elsewhere);
  ball->AddCollisionWatch(elsewhere);
  Step(40);
  EXPECT_EQ(witness.collisions, 0);
  EXPECT_LT(ball->GetCenter().y, 91.0f) << "the slab still holds the ball up";
}

TEST_F(WatchTest, AWatchEndsWhenTheWatchedObjectIsDestroyed) {
  auto* crate = new Kest::Block(100, 0, 10, 10, "", false);
  ball->AddCollisionWatch(crate);
  ball->AddCollisionWatch(slab);
  EXPECT_TRUE(ball->IsWatching(crate));
  delete crate;
  EXPECT_FALSE(ball->IsWatching(crate));
  Step(40);  // the contact walk no longer meets the deleted crate
  EXPECT_GT(witness.collisions, 0);
}

TEST_F(WatchTest, AWatcherThatGoesFirstLeavesNothingBehind) {
  auto* watcher = new Kest::Circle(300, 0, 5, "", true);
  watcher->AddCollisionWatch(slab);
  delete watcher;
  space.Clear();  // the slab's destruction must not reach the deleted watcher
  SUCCEED();
}

TEST_F(ObjectTest, CentreOfStaticDynamicAndBodilessObjects) {
  Kest::Block slab(0, 100, 200, 20, "", false);
  const ol::Vec2 slabCentre = slab.GetCenter();
  EXPECT_FLOAT_EQ(slabCentre.x, 100.0f);
  EXPECT_FLOAT_EQ(slabCentre.y, 110.0f);

  Kest::Circle ball(30, 40, 5, "", true);
  EXPECT_FLOAT_EQ(ball.GetCenter().x, 30.0f);
  EXPECT_FLOAT_EQ(ball.GetCenter().y, 40.0f);

  TestSupport::TraceCapture trace;
  Kest::Object picture;
  EXPECT_FLOAT_EQ(picture.GetCenter().x, 0.0f);
  EXPECT_TRUE(trace.Contains("Object has no center position defined"));
}

TEST_F(ObjectTest, UserJointsAreRemovedByIndex) {
  Kest::Circle ball(0, 0, 5, "", true);
  ball.AddUserJoint(world.CreateMotor(ball.GetBody()));
  ball.AddUserJoint(world.CreateMotor(ball.GetBody()));
  dBodyID body = ball.GetBody()->GetBody();
  ASSERT_EQ(dBodyGetNumJoints(body), 2);

  ball.RemoveUserJoint(2);
  EXPECT_EQ(ball.GetUserJointCount(), 2);
  ball.RemoveUserJoint(0);
  EXPECT_EQ(ball.GetUserJointCount(), 1);
  EXPECT_EQ(dBodyGetNumJoints(body), 1);
}

// The view is 800 x 600 at (1000, 0).
class ViewTest : public Scene {
 protected:
  bool InView(const Kest::Object& object) const {
    return object.IsInView(ol::Vec2(1000, 0), ol::Vec2(1800, 600));
  }
};

TEST_F(ViewTest, AGroundWiderThanTheViewIsInView) {
  // Corners and centre all outside the view, the block across all of it.
  Kest::Block ground(-5000, 500, 20000, 2000, "", false);
  EXPECT_TRUE(InView(ground));
}

TEST_F(ViewTest, BoxesOutsideOrTouchingTheEdge) {
  EXPECT_FALSE(InView(Kest::Block(0, 0, 100, 100, "", false)));
  EXPECT_FALSE(InView(Kest::Block(1000, 601, 100, 100, "", false)));
  EXPECT_TRUE(InView(Kest::Block(900, 0, 100, 100, "", false))) << "edges count";
  EXPECT_TRUE(InView(Kest::Block(1100, 100, 10, 10, "", false)));
  EXPECT_FALSE(InView(Kest::Object())) << "nothing to see outside physics";
}

}  // namespace
}  // namespace ObjectsTest
