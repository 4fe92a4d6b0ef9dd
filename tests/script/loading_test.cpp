// Loading a level script into a fresh game state, running event texts in
// it, and what a failing or runaway script leaves behind.
#include <gtest/gtest.h>

#include "game/bike/bike.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
#include "game/utility/utility.h"
#include "game/screens/objectiveswindow.h"
#include "script/scriptmanager.h"
#include "script/statelimits.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Loading : public ScriptLevel {};

TEST_F(Loading, AScriptThatFailsOnItsTenthLineKeepsWhatItsFirstNineBuilt) {
  std::string script;
  for (int line = 1; line <= 9; ++line)
    script += "GetApplication():GetSpace():Insert(CreateCircle(0, 0, 5, '', false), 'line" + std::to_string(line) + "')\n";
  EXPECT_FALSE(Load(script + "CreateCircle()\n"));
  EXPECT_TRUE(trace.Contains("scratch-level.lua:10: error in function 'CreateCircle'."));
  for (int line = 1; line <= 9; ++line) EXPECT_NE(Space().FindObject("line" + std::to_string(line)), nullptr) << line;
  EXPECT_TRUE(Level().IsWaiting());
}

TEST_F(Loading, EventTextsSeeTheScriptsGlobalsUntilTheNextLoad) {
  ASSERT_TRUE(Load("laps = 3 function Lap() laps = laps + 1 end"));
  EXPECT_TRUE(Run("Lap()"));
  EXPECT_EQ(Eval("laps"), "4");
  ASSERT_TRUE(Load(""));
  EXPECT_EQ(Eval("laps"), "nil");
  EXPECT_FALSE(Run("Lap()"));
}

TEST_F(Loading, AMissingFileLeavesAnEmptyLevelThatCanBePlayed) {
  Level().Load("levels\\missing.lua", true);
  EXPECT_TRUE(trace.Contains("cannot open levels\\missing.lua"));
  EXPECT_TRUE(Level().IsWaiting());
  EXPECT_NE(Kest::Bike::GetInstance(), nullptr);
  EXPECT_EQ(Level().GetName(), "levels\\missing.lua");
}

TEST_F(Loading, AReloadStartsFromAFullyResetGame) {
  ASSERT_TRUE(Load("SetLevelTime(30) AddObjective('Ride')"));
  Run("GetApplication():GetSpace():Insert(CreateCircle(0, 0, 5, '', false), 'extra') SetVariable('flag') "
      "GetLevel():Add(CreateVariableCondition('flag')) GetBike():MoveTo(900, 50)");
  Level().StartPlay();
  Level().Load("", true);
  EXPECT_EQ(Space().FindObject("extra"), nullptr);
  EXPECT_FALSE(Kest::VariableManager::GetInstance()->HasVariable("flag"));
  EXPECT_EQ(Level().GetConditionCount(), 0);
  EXPECT_EQ(Kest::TimerManager::GetInstance()->GetLevelTime(), 3000u);
  EXPECT_EQ(Kest::TimerManager::GetRemainingTicks(), 3000u) << "what the last play left";
  EXPECT_EQ(Kest::ObjectivesWindow::GetInstance()->GetObjectives(), std::vector<Kest::HeldText>{"Ride"});
  EXPECT_NEAR(Kest::Bike::GetInstance()->GetPosition().x, 0.0f, 1.0f);
  ASSERT_TRUE(Load(""));
  EXPECT_EQ(Kest::TimerManager::GetInstance()->GetLevelTime(), 99900u);
  EXPECT_EQ(Kest::TimerManager::GetRemainingTicks(), 3000u) << "a load does not reset it";
  EXPECT_TRUE(Kest::ObjectivesWindow::GetInstance()->GetObjectives().empty());
}

// Events speak to the debug console only; an event text's error is written as it stands, the next message going
// on from where it ends.
TEST_F(Loading, EventsLeaveTheTraceLogAloneButForTheirTextsErrorsWhichEndNoLine) {
  ASSERT_TRUE(Load("RegisterEvent(nil, CreateEventXGreater(-1e30), 'fired = 1', true)"));
  Level().StartPlay();
  Play(2);
  EXPECT_EQ(Eval("fired"), "1");
  EXPECT_FALSE(trace.Contains("Event"));
  EXPECT_FALSE(Run("stop()"));
  Kest::Log("next");
  EXPECT_EQ(trace.Lines().back(), "[string \"stop()\"]:1: attempt to call global 'stop' (a nil value)next");
}

// A restart asked for by the level script itself would reload it forever.
TEST_F(Loading, RestartLevelWorksFromEventTextsOnly) {
  ASSERT_TRUE(Load("RestartLevel()"));
  EXPECT_FALSE(Kest::Bike::GetInstance()->IsRestartRequested());
  EXPECT_TRUE(trace.Contains("RestartLevel: ignored while the level script runs"));
  Run("RestartLevel()");
  EXPECT_TRUE(Kest::Bike::GetInstance()->IsRestartRequested());
}

TEST_F(Loading, ARunawayScriptIsStoppedAndTheGameGoesOn) {
  EXPECT_FALSE(Load("GetApplication():GetSpace():Insert(CreateCircle(0, 0, 5, '', false), 'before') "
                    "while true do end"));
  EXPECT_TRUE(trace.Contains("instruction budget"));
  EXPECT_NE(Space().FindObject("before"), nullptr);
  EXPECT_FALSE(Run("local n = 0 while true do n = n + 1 end"));
  Load("hog = string.rep('x', 100000000)");
  EXPECT_TRUE(trace.Contains("not enough memory"));
  EXPECT_EQ(Eval("1 + 1"), "2");
}

// Objects made count against the script's budget, which the interpreter alone would not see.
TEST_F(Loading, AScriptThatMakesObjectsWithoutEndIsStopped) {
  Kest::ScriptLimits limits;
  limits.levelScriptInstructions = limits.passInstructions = 2000000;
  const std::size_t most = limits.levelScriptInstructions / limits.instructionsPerObject + 100;
  Kest::ScriptManager::Create(limits);
  EXPECT_FALSE(Load("local space = GetApplication():GetSpace() "
                    "while true do space:Insert(CreateBlock(0, 0, 5, 5, '', false)) end"));
  EXPECT_TRUE(trace.Contains("instruction budget"));
  EXPECT_LT(Space().size(), most);
  EXPECT_FALSE(Run("while true do "
                   "GetApplication():GetSpace():Insert(CreateCircle(0, 0, 5, '', false)) end"));
  EXPECT_LT(Space().size(), 2 * most);
  Kest::ScriptManager::Create();
}

// An arc's lines and a rope's segments are the game's work too: a loop of
// the largest would fill the memory long before the objects alone spent
// the budget. And the chunk ends as soon as it is spent, not a thousand
// instructions on.
TEST_F(Loading, ScriptsThatMakeObjectsOfManyPiecesAreStoppedEarly) {
  WriteFile("scratch-arc.xml", "<scene><a class='arc' radius='5000' quarter='2'/></scene>");
  Kest::ScriptLimits limits;
  limits.levelScriptInstructions = 2000000;
  limits.instructionsPerObject = 10000;
  Kest::ScriptManager::Create(limits);
  // Some 3500 lines in a quarter of radius 5000, a segment per 20 of rope.
  const struct {
    const char* make;
    int most;
  } cases[] = {
      {"CreateArc(0, 0, 5000, 1, '')", 5},
      {"CreateArc(0, 0, 3000, 7000, 3, '')", 2},
      {"CreateObject('scratch-arc.xml', 0, 0)", 5},
      {"CreateRope(5, 0, 0, 2000, 0, 2000, 0)", 1},
      {"CreateBlock(0, 0, 5, 5, '', false)", 199},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(Load(std::string("made = 0 while true do ") + c.make + " made = made + 1 end"));
    EXPECT_LE(std::stoi(Eval("made")), c.most) << c.make;
  }
  Kest::ScriptManager::Create();
}

// As the interpreter's own file loader does: a first line starting with '#' is skipped, and line numbers stay true.
TEST_F(Loading, AFirstLineStartingWithAHashIsSkipped) {
  EXPECT_TRUE(Load("#!/usr/bin/env vantrail\nfirst = 1"));
  EXPECT_EQ(Eval("first"), "1");
  EXPECT_FALSE(Load("# a note\n\nundefined_function()"));
  EXPECT_TRUE(trace.Contains("scratch-level.lua:3:"));
  EXPECT_TRUE(Load("#"));
}

TEST_F(Loading, PrecompiledChunksAreNotRun) {
  WriteFile("scratch-level.lua", std::string("\x1bLua\x51\x00garbage", 12));
  Level().Load("scratch-level.lua", true);
  EXPECT_TRUE(trace.Contains("precompiled chunks are not run"));
  EXPECT_FALSE(Run("\x1bLua"));
}

}  // namespace
}  // namespace ScriptTest
