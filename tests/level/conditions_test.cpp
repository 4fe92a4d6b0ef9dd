// The kinds of event condition: where an object is, what the bike did,
// what a variable was set to, and composites of them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "game/bike/bikeobserver.h"
#include "game/level/bikecondition.h"
#include "game/level/conditioncomposite.h"
#include "game/level/objectconditions.h"
#include "game/level/variabletrigger.h"
#include "game/objects/circle.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

using Kest::Condition;

struct Position {
  const char* condition;
  std::function<Condition*()> make;
  float x, y;  // NaN: no object
  bool holds;
};

// Every comparison is strict: on a threshold or an edge is outside.
TEST(ObjectConditions, HoldStrictlyPastTheirThresholdsAndInsideTheirBoxes) {
  const float none = std::nanf("");
  const auto xGreater = [] { return new Kest::ConditionObjectXGreater(100.0f); };
  const auto xLess = [] { return new Kest::ConditionObjectXLess(100.0f); };
  const auto yGreater = [] { return new Kest::ConditionObjectYGreater(50.0f); };
  const auto yLess = [] { return new Kest::ConditionObjectYLess(50.0f); };
  const auto box = [] { return new Kest::ConditionObjectBox(0.0f, 0.0f, 100.0f, 100.0f); };
  const Position rows[] = {
      {"x > 100", xGreater, 100.5f, 0, true},   {"x > 100", xGreater, 100.0f, 0, false},
      {"x < 100", xLess, 99.5f, 0, true},       {"x < 100", xLess, 100.0f, 0, false},
      {"y > 50", yGreater, 0, 51.0f, true},     {"y > 50", yGreater, 0, 50.0f, false},
      {"y < 50", yLess, 0, 49.0f, true},        {"y < 50", yLess, 200, 50.0f, false},
      {"box", box, 50, 50, true},               {"box", box, 0, 50, false},
      {"box", box, 100, 50, false},             {"box", box, 50, 0, false},
      {"box", box, 50, 100, false},             {"box", box, 99.9f, 0.1f, true},
      {"x < 100, no object", xLess, none, none, true},
      {"x > 100, no object", xGreater, none, none, false},
      {"box, no object", box, none, none, false},
  };
  for (const Position& row : rows) {
    SCOPED_TRACE(std::string(row.condition) + " at " + std::to_string(row.x) + ", " +
                 std::to_string(row.y));
    std::unique_ptr<Kest::Object> object;
    if (!std::isnan(row.x)) object.reset(new Kest::Circle(row.x, row.y, 5.0f, "", false));
    std::unique_ptr<Condition> condition(row.make());
    EXPECT_EQ(condition->IsSatisfied(object.get()), row.holds);
  }
}

// Each bike condition hears only its own kind, until the event resets it.
TEST(BikeConditions, HoldAfterTheirOwnKindOnlyUntilReset) {
  const int kinds[] = {Kest::BikeObserver::kFlip, Kest::BikeObserver::kFrontWheelCollision,
                       Kest::BikeObserver::kRearWheelCollision};
  for (const int kind : kinds) {
    for (const int told : kinds) {
      Kest::BikeCondition condition(kind);
      condition.OnBikeEvent(told, nullptr);
      EXPECT_EQ(condition.IsSatisfied(nullptr), told == kind) << kind << " told " << told;
      condition.Reset();
      EXPECT_FALSE(condition.IsSatisfied(nullptr));
    }
  }
}

class VariableTriggers : public ::testing::Test {
 protected:
  VariableTriggers() { Kest::VariableManager::Create(); }
  ~VariableTriggers() override { Kest::VariableManager::Destroy(); }
  Kest::VariableManager& Variables() { return *Kest::VariableManager::GetInstance(); }
  // A trigger that listens to the variable "gate".
  std::unique_ptr<Kest::VariableTriggerCondition> Trigger(const std::string& expected) {
    std::unique_ptr<Kest::VariableTriggerCondition> trigger(
        new Kest::VariableTriggerCondition("gate", expected));
    Variables().AddObserver(trigger.get());
    return trigger;
  }
};

TEST_F(VariableTriggers, WaitForTheExpectedValueAndThenStopListening) {
  auto three = Trigger("3");
  Variables().SetVariable("gate", "2");
  Variables().SetVariable("other", "3");
  EXPECT_FALSE(three->IsSatisfied(nullptr));
  Variables().SetVariable("gate", "3");
  EXPECT_TRUE(three->IsSatisfied(nullptr));
  three->Reset();
  Variables().SetVariable("gate", "3");
  EXPECT_FALSE(three->IsSatisfied(nullptr)) << "one triggering change at most";
}

TEST_F(VariableTriggers, AnEmptyExpectedValueTakesAnyValue) {
  auto any = Trigger("");
  Variables().SetVariable("gate", "");
  EXPECT_TRUE(any->IsSatisfied(nullptr));
}

TEST(Composites, HoldWhenEveryMemberHoldsAskingInOrderUpToTheFirstThatDoesNot) {
  Kest::ConditionComposite composite;
  EXPECT_TRUE(composite.IsSatisfied(nullptr)) << "no members";
  auto* first = new Switch(true);
  auto* second = new Switch(false);
  auto* third = new Switch(true);
  for (Switch* member : {first, second, third}) ASSERT_TRUE(composite.Add(member));
  EXPECT_FALSE(composite.IsSatisfied(nullptr));
  EXPECT_EQ(third->asked, 0);
  second->on = true;
  EXPECT_TRUE(composite.IsSatisfied(nullptr));
  composite.Reset();
  EXPECT_EQ(first->resets + second->resets + third->resets, 0) << "members keep their state";
}

TEST(Composites, RefuseToOwnThemselvesTheirOwnersOrAnotherCompositesMember) {
  Kest::ConditionComposite outer;
  auto* inner = new Kest::ConditionComposite;
  ASSERT_TRUE(outer.Add(inner));
  Kest::ConditionComposite other;
  EXPECT_FALSE(outer.Add(nullptr));
  EXPECT_FALSE(outer.Add(&outer));
  EXPECT_FALSE(inner->Add(&outer)) << "a cycle through another";
  EXPECT_FALSE(inner->Add(inner));
  EXPECT_FALSE(other.Add(inner)) << "inner has an owner";
  EXPECT_EQ(outer.GetMemberCount(), 1);
  EXPECT_EQ(inner->GetMemberCount(), 0);
}

// However the tree grows, from below or from above, it stays shallow enough
// to test and delete without running out of stack.
TEST(Composites, RefuseToNestDeeperThanTheMostLevels) {
  const int most = Kest::ConditionComposite::kMostLevels;
  auto* top = new Kest::ConditionComposite;
  Kest::ConditionComposite* bottom = top;
  for (int level = 1; level < most; ++level) {
    auto* outer = new Kest::ConditionComposite;
    ASSERT_TRUE(outer->Add(top)) << level;
    top = outer;
  }
  std::unique_ptr<Kest::ConditionComposite> root(top);
  EXPECT_TRUE(bottom->Add(new Switch)) << "a plain member adds no level";
  auto* below = new Kest::ConditionComposite;
  EXPECT_FALSE(bottom->Add(below));
  delete below;
  Kest::ConditionComposite above;
  EXPECT_FALSE(above.Add(root.get()));
  EXPECT_TRUE(root->IsSatisfied(nullptr));
}

}  // namespace
}  // namespace LevelTest
