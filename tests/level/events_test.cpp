// The event walk: once-only and repeating events, and texts that add and
// remove events or delete the objects that events watch while the walk is
// under way.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <string>
#include <vector>

#include "game/level/collisioncondition.h"
#include "game/level/conditioncomposite.h"
#include "game/level/objectconditions.h"
#include "game/objects/circle.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

using Texts = std::vector<std::string>;

class EventWalk : public LevelTest {
 protected:
  int Ran(const std::string& text) const { return int(std::count(ran.begin(), ran.end(), text)); }
};

TEST_F(EventWalk, AOnceOnlyEventRunsOnceAndGoesARepeatingOneIsResetAndStays) {
  DeletionRecord deletions;
  auto* once = new Switch;
  auto* repeating = new Switch;
  ASSERT_TRUE(Events().AddEvent(nullptr, once, "once", true));
  ASSERT_TRUE(Events().AddEvent(nullptr, repeating, "again", false));
  EXPECT_FALSE(Events().AddEvent(nullptr, repeating, "twice", false));
  EXPECT_FALSE(Events().AddEvent(nullptr, nullptr, "none", true));
  Events().Update();
  Events().Update();
  EXPECT_EQ(ran, (Texts{"once", "again", "again"}));
  EXPECT_TRUE(deletions.WasDeleted(once));
  EXPECT_EQ(repeating->resets, 2);
  EXPECT_EQ(Events().GetEventCount(), 1);
}

// A text the pass cannot afford waits, with its event: in a later pass the
// texts that waited run first, in the order they fired, and only then does
// a once-only event go and a repeating one reset. An event removed while
// its text waits never runs it.
TEST_F(EventWalk, TextsThePassCannotAffordWaitAndRunLaterInTheOrderTheyFired) {
  DeletionRecord deletions;
  auto* second = new Switch;
  auto* removed = new Switch;
  auto* repeating = new Switch;
  Events().AddEvent(nullptr, new Switch, "first", true);
  Events().AddEvent(nullptr, second, "second", true);
  Events().AddEvent(nullptr, removed, "removed", true);
  Events().AddEvent(nullptr, repeating, "repeating", false);
  textsLeftInPass = 1;
  Events().Update();
  EXPECT_FALSE(deletions.WasDeleted(second));
  EXPECT_EQ(repeating->resets, 0);
  EXPECT_EQ(Events().GetWaitingCount(), 3);
  EXPECT_TRUE(Events().Remove(removed));
  Events().AddEvent(nullptr, new Switch, "later", true);
  textsLeftInPass = 1;
  Events().Update();
  textsLeftInPass = -1;
  Events().Update();
  EXPECT_EQ(repeating->asked, 1) << "not tested again while it waits, nor in the pass its text ran";
  Events().Update();
  EXPECT_EQ(ran, (Texts{"first", "second", "repeating", "later", "repeating"}));
  EXPECT_TRUE(deletions.WasDeleted(second));
  EXPECT_EQ(repeating->resets, 2);
  EXPECT_EQ(Events().GetEventCount(), 1);
  EXPECT_EQ(Events().GetWaitingCount(), 0);
  delete removed;
}

// Events registered by a text are reached in the same walk; events removed
// by a text do not run, and are gone after the walk.
TEST_F(EventWalk, TextsAddEventsThatRunInTheSameWalkAndRemoveEventsThatThenDoNotRun) {
  auto* removed = new Switch;
  actions["add"] = [this] {
    for (int i = 0; i < 40; ++i) Events().AddEvent(nullptr, new Switch, "added", true);
  };
  actions["remove"] = [this, removed] { EXPECT_TRUE(Events().Remove(removed)); };
  Events().AddEvent(nullptr, new Switch, "add", true);
  Events().AddEvent(nullptr, new Switch, "remove", true);
  Events().AddEvent(nullptr, removed, "removed", true);
  Events().Update();
  EXPECT_EQ(Ran("added"), 40);
  EXPECT_EQ(Ran("removed"), 0);
  EXPECT_EQ(Events().GetEventCount(), 0);
  delete removed;  // Remove leaves the condition to its caller
}

// The watched object deleted by the event's own text, by an earlier text
// of the walk, or between steps: the collision event goes with its
// condition. Inside a composite the condition has no event of its own: it
// stays, false for good, until the composite goes.
TEST_F(EventWalk, ACollisionConditionLetsGoOfItsDeletedObject) {
  Kest::Circle other(5, 0, 10, "", false);
  Kest::Object* watched = nullptr;
  actions["delete"] = [&watched] { delete std::exchange(watched, nullptr); };
  for (const std::string how : {"its own text", "an earlier text", "between steps", "composite"}) {
    DeletionRecord deletions;
    watched = new Kest::Circle(0, 0, 10, "", false);
    auto* collision = new Kest::CollisionCondition(watched, &other);
    Kest::Condition* registered = collision;
    if (how == "composite") {
      auto* composite = new Kest::ConditionComposite;
      composite->Add(collision);
      registered = composite;
    }
    if (how == "an earlier text") Events().AddEvent(nullptr, new Switch, "delete", true);
    Events().AddEvent(nullptr, registered, how == "its own text" ? "delete" : "collided", false);
    watched->NotifyObservers(Kest::ObjectObserver::kCollision);
    if (how == "between steps" || how == "composite") actions["delete"]();
    Events().Update();
    EXPECT_EQ(Ran("collided"), 0) << how;
    EXPECT_EQ(deletions.WasDeleted(collision), how != "composite") << how;
    EXPECT_EQ(Events().GetEventCount(), how == "composite" ? 1 : 0) << how;
    if (how == "composite") {
      EXPECT_EQ(collision->GetObject(), nullptr);
    }
  }
  EXPECT_TRUE(Ran("delete") > 0);
  Events().Clear();
}

TEST_F(EventWalk, ARepeatingCollisionEventRunsAfterEachStepWithACollision) {
  Kest::Circle watched(0, 0, 10, "", false), other(5, 0, 10, "", false);
  Events().AddEvent(nullptr, new Kest::CollisionCondition(&watched, &other), "collided", false);
  for (const int touches : {1, 0, 2}) {
    for (int i = 0; i < touches; ++i) watched.NotifyObservers(Kest::ObjectObserver::kCollision);
    Events().Update();
  }
  EXPECT_EQ(Ran("collided"), 2);
}

// An event never tests an object that is gone: the events that read their
// object (alone or in a composite) go with it, the others keep firing. A
// text that deletes the object mid-walk leaves the walk on its entries.
TEST_F(EventWalk, TheEventsThatReadAnObjectGoWithItTheOthersStay) {
  DeletionRecord deletions;
  Kest::Object* object = new Kest::Circle(50, 0, 5, "", false);
  actions["delete"] = [&object] { delete std::exchange(object, nullptr); };
  auto* past = new Kest::ConditionObjectXGreater(10);
  auto* inside = new Kest::ConditionComposite;
  inside->Add(new Switch);
  inside->Add(new Kest::ConditionObjectBox(0, -10, 100, 10));
  auto* unread = new Kest::ConditionComposite;
  unread->Add(new Switch);
  Events().AddEvent(object, past, "past", false);
  Events().AddEvent(object, inside, "inside", false);
  Events().AddEvent(object, new Switch, "switch", false);
  Events().AddEvent(nullptr, new Switch, "delete", true);
  Events().AddEvent(object, unread, "unread", false);
  Events().AddEvent(nullptr, new Kest::ConditionObjectXLess(10), "origin", false);
  Events().Update();
  Events().Update();
  EXPECT_EQ(ran, (Texts{"past", "inside", "switch", "delete", "unread", "origin", "switch",
                        "unread", "origin"}));
  EXPECT_TRUE(deletions.WasDeleted(past));
  EXPECT_TRUE(deletions.WasDeleted(inside));
  EXPECT_EQ(Events().GetEventCount(), 3);
}

// One time-up event per level: a reload forgets it, so the next level
// registers its own.
TEST_F(EventWalk, OnlyTheFirstTimeUpEventOfALevelCountsAndItRunsOnce) {
  for (const std::string level : {"first", "next"}) {
    Events().SetTimeUpEvent(level);
    Events().SetTimeUpEvent("second");
    Events().Update();
    for (int i = 0; i < 2; ++i) {
      Events().OnTimeUp();
      Events().Update();
    }
    Events().Clear();
  }
  EXPECT_EQ(ran, (Texts{"first", "next"}));
}

}  // namespace
}  // namespace LevelTest
