// The event walk: once-only and repeating events, and texts that add and
// remove events or delete the objects that events watch while the walk is
// under way.
#include <gtest/gtest.h>

#include <algorithm>
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

class EventsTest : public LevelTest {};

TEST_F(EventsTest, AOnceOnlyEventRunsOnceAndGoesARepeatingOneIsResetAndStays) {
  DeletionRecord deletions;
  auto* once = new Switch;
  auto* repeating = new Switch;
  ASSERT_TRUE(Events().AddEvent(nullptr, once, "once", true));
  ASSERT_TRUE(Events().AddEvent(nullptr, repeating, "again", false));
  Events().Update();
  Events().Update();
  EXPECT_EQ(ran, (Texts{"once", "again", "again"}));
  EXPECT_TRUE(deletions.WasDeleted(once));
  EXPECT_EQ(repeating->resets, 2);
  EXPECT_EQ(Events().GetEventCount(), 1);
}

TEST_F(EventsTest, ANullConditionAndAConditionRegisteredTwiceAreRefused) {
  auto* condition = new Switch;
  EXPECT_FALSE(Events().AddEvent(nullptr, nullptr, "none", true));
  EXPECT_TRUE(Events().AddEvent(nullptr, condition, "first", true));
  EXPECT_FALSE(Events().AddEvent(nullptr, condition, "second", true));
  EXPECT_EQ(Events().GetEventCount(), 1);
}

// Events registered by a text are reached in the same walk; events removed
// by a text are not run, and are gone after the walk.
TEST_F(EventsTest, TextsAddEventsThatRunInTheSameWalkAndRemoveEventsThatThenDoNotRun) {
  auto* removed = new Switch;
  actions["add"] = [this] {
    for (int i = 0; i < 40; ++i) Events().AddEvent(nullptr, new Switch, "added", true);
  };
  actions["remove"] = [this, removed] { EXPECT_TRUE(Events().Remove(removed)); };
  Events().AddEvent(nullptr, new Switch, "add", true);
  Events().AddEvent(nullptr, new Switch, "remove", true);
  Events().AddEvent(nullptr, removed, "removed", true);
  Events().Update();
  EXPECT_EQ(ran.size(), 42u);
  EXPECT_EQ(ran.back(), "added");
  EXPECT_EQ(std::count(ran.begin(), ran.end(), "removed"), 0);
  EXPECT_EQ(Events().GetEventCount(), 0);
  EXPECT_FALSE(Events().Remove(removed));
  delete removed;  // Remove leaves the condition to its caller
}

// A collision event whose watched object is deleted goes with its
// condition, whether a text deletes the object during the walk (its own or
// another's) or the object goes between steps.
class CollisionEvents : public EventsTest {
 protected:
  CollisionEvents() {
    watched = new Kest::Circle(0.0f, 0.0f, 10.0f, "", false);
    other = new Kest::Circle(5.0f, 0.0f, 10.0f, "", false);
    condition = new Kest::CollisionCondition(watched, other);
    actions["delete"] = [this] { DeleteWatched(); };
  }
  ~CollisionEvents() override {
    DeleteWatched();
    delete other;
  }
  void DeleteWatched() {
    delete watched;
    watched = nullptr;
  }
  void Touch() { watched->NotifyObservers(Kest::ObjectObserver::kCollision); }

  DeletionRecord deletions;
  Kest::Object* watched;
  Kest::Object* other;
  Kest::CollisionCondition* condition;
};

TEST_F(CollisionEvents, ARegisteredOneGoesWithItsObjectWhoeverDeletesIt) {
  for (const char* deleter : {"its own text", "an earlier text", "between steps"}) {
    SCOPED_TRACE(deleter);
    ran.clear();
    if (!watched) {
      watched = new Kest::Circle(0.0f, 0.0f, 10.0f, "", false);
      condition = new Kest::CollisionCondition(watched, other);
    }
    const std::string how = deleter;
    if (how == "an earlier text") Events().AddEvent(nullptr, new Switch, "delete", true);
    const std::string text = how == "its own text" ? "delete" : "collided";
    ASSERT_TRUE(Events().AddEvent(nullptr, condition, text, false));
    Touch();
    if (how == "between steps") DeleteWatched();
    Events().Update();
    EXPECT_TRUE(deletions.WasDeleted(condition));
    EXPECT_EQ(std::count(ran.begin(), ran.end(), "collided"), 0);
    EXPECT_EQ(Events().GetEventCount(), 0);
  }
}

TEST_F(CollisionEvents, ARepeatingOneRunsAfterEachStepWithACollision) {
  Events().AddEvent(nullptr, condition, "collided", false);
  Touch();
  Events().Update();
  Events().Update();
  Touch();
  Touch();
  Events().Update();
  EXPECT_EQ(ran, (Texts{"collided", "collided"}));
}

// Inside a composite the condition has no event of its own: it stays,
// false for good, until the composite goes.
TEST_F(CollisionEvents, OneInsideACompositeStaysFalseOnceItsObjectIsGone) {
  auto* composite = new Kest::ConditionComposite;
  composite->Add(condition);
  Events().AddEvent(nullptr, composite, "composite", true);
  Touch();
  DeleteWatched();
  EXPECT_FALSE(deletions.WasDeleted(condition));
  EXPECT_EQ(condition->GetObject(), nullptr);
  Events().Update();
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(Events().GetEventCount(), 1);
  Events().Clear();
  EXPECT_TRUE(deletions.WasDeleted(condition));
}

// An event on an object never tests it once it is gone: the event goes
// with the object.
TEST_F(EventsTest, AnEventOnAnObjectGoesWithTheObject) {
  DeletionRecord deletions;
  auto* object = new Kest::Circle(50.0f, 0.0f, 5.0f, "", false);
  auto* onObject = new Kest::ConditionObjectXGreater(10.0f);
  Events().AddEvent(object, onObject, "past", false);
  Events().AddEvent(nullptr, new Kest::ConditionObjectXLess(10.0f), "origin", false);
  Events().Update();
  delete object;
  Events().Update();
  EXPECT_EQ(ran, (Texts{"past", "origin", "origin"}));
  EXPECT_TRUE(deletions.WasDeleted(onObject));
}

TEST_F(EventsTest, OnlyTheFirstTimeUpEventCountsAndItRunsOnce) {
  Events().SetTimeUpEvent("first");
  Events().SetTimeUpEvent("second");
  Events().Update();
  EXPECT_TRUE(ran.empty());
  Events().OnTimeUp();
  Events().Update();
  Events().OnTimeUp();
  Events().Update();
  EXPECT_EQ(ran, Texts{"first"});
  EXPECT_EQ(Events().GetEventCount(), 0);
}

}  // namespace
}  // namespace LevelTest
