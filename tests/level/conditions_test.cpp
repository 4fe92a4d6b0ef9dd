// The kinds of event condition: where an object is, what the bike did,
// what a variable was set to, and composites of them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

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

// Every comparison is strict; no object stands at the origin.
TEST(ObjectConditions, HoldStrictlyPastTheirThresholdsAndInsideTheirBoxes) {
  const float none = std::nanf("");
  using Make = std::function<Condition*()>;
  const Make xGreater = [] { return new Kest::ConditionObjectXGreater(100); };
  const Make xLess = [] { return new Kest::ConditionObjectXLess(100); };
  const Make yGreater = [] { return new Kest::ConditionObjectYGreater(50); };
  const Make yLess = [] { return new Kest::ConditionObjectYLess(50); };
  const Make box = [] { return new Kest::ConditionObjectBox(0, 0, 100, 100); };
  const struct {
    const Make& make;
    float x, y;  // NaN: no object
    bool holds;
  } rows[] = {{xGreater, 100.5f, 0, true}, {xGreater, 100, 0, false}, {xLess, 99.5f, 0, true},
              {xLess, 100, 0, false},      {yGreater, 0, 51, true},     {yGreater, 0, 50, false},
              {yLess, 0, 49, true},        {yLess, 200, 50, false},     {box, 50, 50, true},
              {box, 0, 50, false},         {box, 100, 50, false},       {box, 50, 0, false},
              {box, 50, 100, false},       {box, 99.9f, 0.1f, true},    {xLess, none, none, true},
              {xGreater, none, none, false}, {box, none, none, false}};
  for (const auto& row : rows) {
    std::unique_ptr<Kest::Object> object;
    if (!std::isnan(row.x)) object.reset(new Kest::Circle(row.x, row.y, 5, "", false));
    std::unique_ptr<Condition> condition(row.make());
    EXPECT_EQ(condition->IsSatisfied(object.get()), row.holds) << row.x << ", " << row.y;
  }
}

TEST(BikeConditions, HoldAfterTheirOwnKindOnlyUntilReset) {
  for (const int kind : {Kest::BikeObserver::kFlip, Kest::BikeObserver::kFrontWheelCollision,
                         Kest::BikeObserver::kRearWheelCollision}) {
    for (int told = 0; told < 3; ++told) {
      Kest::BikeCondition condition(kind);
      condition.OnBikeEvent(told, nullptr);
      EXPECT_EQ(condition.IsSatisfied(nullptr), told == kind) << kind << " told " << told;
      condition.Reset();
      EXPECT_FALSE(condition.IsSatisfied(nullptr));
    }
  }
}

// A trigger waits for its value (any value when it expects none) and then
// stops listening; one deleted before is not told.
TEST(VariableTriggers, WaitForTheExpectedValueOnce) {
  Kest::VariableManager::Create();
  Kest::VariableManager& variables = *Kest::VariableManager::GetInstance();
  Kest::VariableTriggerCondition three("gate", "3");
  Kest::VariableTriggerCondition any("gate", "");
  auto* deleted = new Kest::VariableTriggerCondition("gate", "");
  variables.AddObserver(deleted);
  delete deleted;
  variables.AddObserver(&three);
  variables.AddObserver(&any);
  variables.SetVariable("gate", "2");
  variables.SetVariable("other", "3");
  EXPECT_FALSE(three.IsSatisfied(nullptr));
  EXPECT_TRUE(any.IsSatisfied(nullptr));
  variables.SetVariable("gate", "3");
  EXPECT_TRUE(three.IsSatisfied(nullptr));
  three.Reset();
  variables.SetVariable("gate", "3");
  EXPECT_FALSE(three.IsSatisfied(nullptr));
  Kest::VariableManager::Destroy();
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
}

// A composite never owns itself, its owner or another's member, and trees
// stay shallow enough to test and delete without running out of stack,
// whether they grow from below or from above.
TEST(Composites, RefuseCyclesSecondOwnersAndDeepTrees) {
  Kest::ConditionComposite outer, other;
  auto* inner = new Kest::ConditionComposite;
  ASSERT_TRUE(outer.Add(inner));
  EXPECT_FALSE(outer.Add(nullptr));
  EXPECT_FALSE(outer.Add(&outer));
  EXPECT_FALSE(inner->Add(&outer));
  EXPECT_FALSE(other.Add(inner));
  EXPECT_EQ(outer.GetMemberCount() + inner->GetMemberCount() + other.GetMemberCount(), 1);

  auto* top = new Kest::ConditionComposite;
  Kest::ConditionComposite* bottom = top;
  for (int level = 1; level < Kest::ConditionComposite::kMostLevels; ++level) {
    auto* above = new Kest::ConditionComposite;
    ASSERT_TRUE(above->Add(top)) << level;
    top = above;
  }
  std::unique_ptr<Kest::ConditionComposite> root(top), below(new Kest::ConditionComposite);
  EXPECT_TRUE(bottom->Add(new Switch)) << "a plain member adds no level";
  EXPECT_FALSE(bottom->Add(below.get()));
  EXPECT_FALSE(other.Add(root.get()));
}

}  // namespace
}  // namespace LevelTest
