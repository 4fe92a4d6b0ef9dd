// What a level's script may make the game hold: texts, objects and
// conditions are capped per level, whatever the call that hands them over.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "game/level/condition.h"
#include "game/level/eventmanager.h"
#include "game/level/timermanager.h"
#include "game/objects/composite.h"
#include "game/objects/object.h"
#include "game/screens/objectiveswindow.h"
#include "game/utility/heldtext.h"
#include "script/levelcaps.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Caps : public ScriptLevel {};

// Past the cap, the call that would hand over one more text is refused with
// a script error naming it, whatever keeps the text; a reload starts the
// next level from nothing. 4 MiB texts: 15 fit under 64 MiB with the rest.
TEST_F(Caps, TheTextsALevelHandsTheGameAreCapped) {
  const struct {
    const char* call;
    const char* refusal;
  } calls[] = {{"RegisterTimerEvent(1000, big)", "#2 to 'RegisterTimerEvent'"},
               {"SetVariable('v' .. i, big)", "#2 to 'SetVariable'"},
               {"AddObjective(big)", "#1 to 'AddObjective'"}};
  for (const auto& c : calls) {
    SCOPED_TRACE(c.call);
    EXPECT_FALSE(Load(std::string("big = string.rep('x', 4 * 1024 * 1024) made = 0 "
                                  "for i = 1, 20 do ") +
                      c.call + " made = made + 1 end"));
    EXPECT_EQ(Eval("made"), "15");
    EXPECT_TRUE(trace.Contains(std::string(c.refusal) + " (the level holds all the text it may"));
  }
  ASSERT_TRUE(Load(""));
  EXPECT_LT(Kest::HeldText::GetTotalBytes(), 1u << 20);
}

// Made past the cap, an object or a condition is deleted at once and the
// script gets nil; events stop there too, and timers without their event
// are not kept. One log line per kind and level.
TEST_F(Caps, ALevelHoldsAtMostItsCapOfObjectsAndConditions) {
  Load(R"(
    space = GetApplication():GetSpace()
    function fill(count)
      for i = 1, count do
        local block = CreateBlock(0, 0, 5, 5, '', false)
        if block then space:Insert(block) end
      end
    end
    fill(30000)
  )");
  while (Kest::Object::GetLiveCount() < Kest::kMostAlive) Run("fill(90)");
  Run("fill(90)");
  EXPECT_EQ(Kest::Object::GetLiveCount(), Kest::kMostAlive);
  EXPECT_EQ(Eval("CreateCircle(0, 0, 5, '', false)"), "nil");
  EXPECT_EQ(trace.Count("The level holds the most objects it may"), 1);

  ASSERT_TRUE(Load("for i = 1, 30000 do EventXGreater(nil, 1e30, '') end"));
  EXPECT_EQ(Kest::Condition::GetLiveCount(), Kest::kMostAlive);
  Run("RegisterTimerEvent(1, 'late') held = CreateEventXGreater(1)");
  EXPECT_EQ(Eval("held"), "nil");
  EXPECT_EQ(Kest::TimerManager::GetInstance()->GetTimerCount(), 0);
  EXPECT_EQ(trace.Count("AddEvent: the level holds the most conditions it may"), 1);
  EXPECT_EQ(trace.Count("The level holds the most conditions it may"), 1);

  ASSERT_TRUE(Load(""));
  EXPECT_LT(Kest::Object::GetLiveCount(), 100u);
  EXPECT_EQ(Kest::Condition::GetLiveCount(), 0u);
}

// Composite parts and goals are counted, not only their bytes: past the cap
// a call adds nothing, logged once per level; the next level starts afresh.
TEST_F(Caps, ALevelHoldsAtMostItsCapOfPartsAndGoals) {
  ASSERT_TRUE(Load(R"(
    c = CreateComposite(0, 0, '')
    for i = 1, 30000 do c:AddBlock(i, 0, 1, 1) c:AddCircle(i, 0, 1) AddObjective('') end
    d = CreateComposite(0, 0, '') d:AddLine(0, 0, 1, 1)
  )"));
  EXPECT_EQ(Kest::Composite::GetLivePartCount(), Kest::kMostParts);
  EXPECT_EQ(Kest::ObjectivesWindow::GetInstance()->GetObjectives().size(), Kest::kMostObjectives);
  EXPECT_EQ(trace.Count("The level holds the most composite parts it may"), 1);
  EXPECT_EQ(trace.Count("The level holds the most objectives it may"), 1);
  ASSERT_TRUE(Load("c = CreateComposite(0, 0, '') c:AddBlock(0, 0, 1, 1) AddObjective('go')"));
  EXPECT_EQ(Kest::Composite::GetLivePartCount(), 1u);
  EXPECT_EQ(Kest::ObjectivesWindow::GetInstance()->GetObjectives().size(), 1u);
}

// Each call does work of the game's besides the interpreter's: a loop of
// three million ends within the script's budget however cheap the call,
// refused or not.
TEST_F(Caps, CallsThatLookUpOrKeepSomethingSpendTheBudget) {
  for (const char* call : {"CloneObject('none', 0, 0)", "CloneSprite('none')",
                           "GetApplication():SetBgImage('res\\none.png')",
                           "CreateObject('none.xml', i, i)", "AddObjective('')",
                           "c:AddBlock(i, 0, 1, 1)", "DefaultSpaceFind('none')"}) {
    SCOPED_TRACE(call);
    EXPECT_FALSE(Load(std::string("c = CreateComposite(0, 0, '') for i = 1, 3000000 do ") + call + " end"));
  }
  EXPECT_EQ(trace.Count("instruction budget"), 7);
}

// A file found missing is not looked for again in the level: a picture
// logs once, a scene file stays missing once it is there; the next level
// looks again.
TEST_F(Caps, AFileFoundMissingIsNotLookedForAgainInTheLevel) {
  std::remove("late.xml");
  ASSERT_TRUE(Load(R"(
    for i = 1, 3 do GetApplication():SetBgImage('res\late.png') end
    before = CreateObject('late.xml', 0, 0)
  )"));
  EXPECT_EQ(trace.Count("late.png"), 1);
  WriteFile("late.xml", "<scene><c class='circle' radius='3'/></scene>");
  EXPECT_EQ(Eval("CreateObject('late.xml', 0, 0)"), "nil");
  ASSERT_TRUE(Load("after = CreateObject('late.xml', 0, 0)"));
  EXPECT_EQ(Eval("after"), "object");
  std::remove("late.xml");
}

// A file that includes itself, made forty times, walks millions of
// elements: each is charged as it is walked, so the script ends.
TEST_F(Caps, SceneFilesSpendTheBudgetForEveryElementTheyWalk) {
  std::string elements;
  for (int i = 0; i < 20000; ++i) elements += "<e/>";
  WriteFile("self.xml", "<scene><e def='self.xml'/>" + elements + "</scene>");
  EXPECT_FALSE(Load("for i = 1, 40 do CreateObject('self.xml', 0, 0) end"));
  EXPECT_TRUE(trace.Contains("instruction budget"));
  std::remove("self.xml");
}

}  // namespace
}  // namespace ScriptTest
