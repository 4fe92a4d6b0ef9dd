// The event, condition and timer functions as level scripts call them:
// what they register, what they refuse, and who owns the conditions.
#include <gtest/gtest.h>

#include <climits>

#include "game/bike/bike.h"
#include "game/level/eventmanager.h"
#include "game/level/timeelapsed.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Events : public ScriptLevel {
 protected:
  // The checks after a physics step.
  void Check(int times = 1) {
    for (int i = 0; i < times; ++i) Kest::EventManager::GetInstance()->Update();
  }
  int EventCount() { return Kest::EventManager::GetInstance()->GetEventCount(); }
};

// An object event fires once, at the first check that finds the centre strictly inside; a registration may repeat; a
// composite holds where all its members do.
TEST_F(Events, ObjectEventsFireStrictlyInsideOnceOrRepeatedly) {
  ASSERT_TRUE(Load(R"(
    inside = CreateCircle(50, 50, 5, '', false)
    edge = CreateCircle(0, 50, 5, '', false)
    far = CreateCircle(600, 0, 5, '', false)
    EventBox(inside, 0, 0, 100, 100, 'boxed = (boxed or 0) + 1')
    EventBox(edge, 0, 0, 100, 100, 'edged = true')
    EventXGreater(far, 500, 'past = (past or 0) + 1')
    RegisterEvent(far, CreateEventXGreater(500), 'again = (again or 0) + 1', false)
    local between = CreateCompositeEvent()
    between:Add(CreateEventXGreater(0))
    between:Add(CreateEventXLess(100))
    RegisterEvent(inside, between, 'within = (within or 0) + 1', false)
    local beyond = CreateCompositeEvent()
    beyond:Add(CreateEventXGreater(100))
    RegisterEvent(inside, beyond, 'beyond = true', false)
    EventVariableTriggered('gate', '3', 'opened = true')
  )"));
  Check(3);
  for (const char* global : {"boxed", "past"}) EXPECT_EQ(Eval(global), "1") << global;
  for (const char* global : {"again", "within"}) EXPECT_EQ(Eval(global), "3") << global;
  for (const char* global : {"edged", "beyond", "opened"}) EXPECT_EQ(Eval(global), "nil") << global;
  Run("SetVariable('gate', '3')");
  Check();
  EXPECT_EQ(Eval("opened"), "true");
}

// Nil or bodiless objects where a watch needs an object, nil conditions and numbers that are not finite are refused
// with one log line each; nil texts are empty texts.
TEST_F(Events, WhatCannotBeWatchedOrRegisteredIsRefusedAndNilTextsAreEmpty) {
  ASSERT_TRUE(Load(R"(
    thing = CreateCircle(0, 0, 5, '', true)
    GetApplication():GetSpace():Insert(thing)
    EventCollision(nil, thing, 'never')
    EventCollision(thing, nil, 'never')
    made = CreateEventCollision(nil, thing)
    EventCollision(CreateBitmap(0, 0, ''), thing, 'never')
    RegisterEvent(nil, nil, 'never')
    RegisterEvent(thing, nil, 'never', false)
    EventXGreater(nil, 0/0, 'never')
    box = CreateEventBox(0, 0, 1/0, 1)
    EventXLess(nil, 1, nil)
    RegisterTimeUpEvent(nil)
  )"));
  EXPECT_EQ(Eval("made"), "nil");
  EXPECT_EQ(Eval("box"), "nil");
  EXPECT_EQ(trace.Count("Collision: no object to watch"), 3);
  EXPECT_EQ(trace.Count("EventCollision: the object has no physics object"), 1);
  EXPECT_EQ(trace.Count("RegisterEvent: no condition to register"), 2);
  EXPECT_EQ(trace.Count("a number that is not finite is refused"), 2);
  EXPECT_EQ(EventCount(), 2);
  Check();
  EXPECT_EQ(EventCount(), 1) << "the empty text ran";
}

// A condition has one owner: the second hand-over is refused, and so is a composite that would own itself. A
// condition the game deleted is a null handle.
TEST_F(Events, AConditionHasOneOwnerAndIsANullHandleOnceDeleted) {
  ASSERT_TRUE(Load(R"(
    local c = CreateEventXLess(1)
    RegisterEvent(nil, c, 'first = true')
    RegisterEvent(nil, c, 'second = true')
    local a = CreateCompositeEvent()
    a:Add(c)
    local b = CreateCompositeEvent()
    a:Add(b)
    CreateCompositeEvent():Add(b)
    b:Add(a)
    a:Add(a)
    done = CreateCompositeEvent()
    RegisterEvent(nil, done, 'fired = true')
  )"));
  EXPECT_EQ(trace.Count("already has an owner"), 3);
  EXPECT_EQ(trace.Count("a composite cannot hold itself"), 2);
  Check();
  EXPECT_EQ(Eval("first"), "true");
  EXPECT_EQ(Eval("second"), "nil");
  EXPECT_EQ(Eval("fired"), "true");
  EXPECT_FALSE(Run("done:Add(CreateEventXLess(1))"));
  EXPECT_TRUE(trace.Contains("invalid 'self' in function 'Add'"));
  EXPECT_TRUE(Run("RegisterEvent(nil, done, 'again')"));
  EXPECT_EQ(trace.Count("RegisterEvent: no condition to register"), 1);
}

TEST_F(Events, TimersAndTheLevelTimeTakeTheirSecondsAndNamesInBothForms) {
  ASSERT_TRUE(Load(R"(
    RegisterTimerEvent(3, 'plain = true')
    RegisterTimerEvent('lap', 2.9, 'lap = true')
    RegisterTimerEvent('5', 'numeric = true')
    RestartTimer(nil)
  )"));
  Kest::TimerManager& timers = *Kest::TimerManager::GetInstance();
  ASSERT_NE(timers.FindTimer("lap"), nullptr);
  EXPECT_EQ(timers.FindTimer("lap")->GetRemaining(), 200u);
  EXPECT_EQ(timers.GetTimerCount(), 3);
  EXPECT_EQ(EventCount(), 3);
  Run("SetLevelTime(-5)");
  EXPECT_EQ(timers.GetLevelTime(), 0u);
  Run("SetLevelTime(1e12)");
  EXPECT_EQ(timers.GetLevelTime(), Kest::TimerManager::TicksFromSeconds(INT_MAX));
}

// Without a time-up event the time running out restarts the level; once the level's time-up event has run, the time
// is up for good and nothing restarts.
TEST_F(Events, TheTimeRunningOutRestartsOnlyALevelWithoutATimeUpEvent) {
  ASSERT_TRUE(Load("RegisterTimeUpEvent('ups = (ups or 0) + 1')"));
  for (int i = 0; i < 2; ++i) {
    Kest::EventManager::GetInstance()->OnTimeUp();
    Check();
  }
  EXPECT_EQ(Eval("ups"), "1");
  EXPECT_FALSE(Kest::Bike::GetInstance()->IsRestartRequested());
  ASSERT_TRUE(Load(""));
  Kest::EventManager::GetInstance()->OnTimeUp();
  EXPECT_TRUE(Kest::Bike::GetInstance()->IsRestartRequested());
}

// A level that watches the bike's front wheel: the watch fires, and the bike still counts no wheelie while the wheel
// rolls on the ground and still reports its wheel contacts.
TEST_F(Events, AWheelWatchedByTheScriptKeepsTheBikesOwnWheelHandling) {
  ASSERT_TRUE(Load(R"(
    local ground = CreateBlock(-2000, 200, 8000, 40, '', false)
    GetApplication():GetSpace():Insert(ground)
    GetBike():MoveTo(0, 160)
    EventCollision(DefaultSpaceFind('frontwheel'), ground, 'watched = true')
    EventFrontWheelCollision(nil, 'fronts = (fronts or 0) + 1', false)
  )"));
  Kest::GetApplication()->SetCamera(ol::Vec2(-400.0f, -140.0f));
  Play(300);
  const float wheelie = Kest::Bike::GetInstance()->GetWheelieTime();
  Run("fronts = 0");
  Play(100);
  EXPECT_EQ(Eval("watched"), "true");
  EXPECT_EQ(Eval("fronts"), "100");
  EXPECT_EQ(Kest::Bike::GetInstance()->GetWheelieTime(), wheelie);
}

}  // namespace
}  // namespace ScriptTest
