// Work a script does where the interpreter does not count it: inside the string library, and spread over many
// texts of one pass of the main loop. Either is bounded by the budget or refused with a line naming the function.
#include <gtest/gtest.h>

#include <string>

#include "game/level/eventmanager.h"
#include "script/scriptmanager.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Budget : public ScriptLevel {
 protected:
  void SetUp() override { ASSERT_TRUE(Load("big = string.rep('a', 1048576)")); }
};

// Backtracking, quadratic plain searches and huge results: each ends when it has spent the budget, naming the
// function; a pattern nested deeper than the C stack affords ends at once.
TEST_F(Budget, StringCallsThatSpendTheBudgetEndNamingTheFunction) {
  const std::pair<const char*, const char*> calls[] = {
      {"string.find(string.rep('a', 5000), string.rep('a*', 12) .. 'b')", "string.find: the script ran past"},
      {"big:match(string.rep('a-', 3) .. 'b')", "string.match: the script ran past"},
      {"string.gsub(big, '(a+)(a+)b', '%2')", "string.gsub: the script ran past"},
      {"for x in string.gmatch(big, '%ba*b') do end", "string.gmatch: the script ran past"},
      {"string.find(big .. big, string.rep('a', 100000) .. 'b', 1, true)", "string.find: the script ran past"},
      {"string.find(big, '(a*).-%1b')", "string.find: the script ran past"},
      {"string.rep('ab', 2^30)", "string.rep: the script ran past"},
      {"for i = 1, 100 do local s = string.rep('', 2147483647) end", "string.rep: the script ran past"},
      {"string.find('', string.rep('a*', 100000))", "pattern too complex"},
  };
  for (const auto& [call, named] : calls) {
    ASSERT_TRUE(Load("big = string.rep('a', 1048576)"));
    EXPECT_FALSE(Run(call)) << call;
    EXPECT_TRUE(trace.Contains(named)) << call;
  }
}

// Calls the library does quickly keep their results, whatever their counts and however bad their worst case.
TEST_F(Budget, OrdinaryStringCallsKeepTheirResults) {
  const std::pair<const char*, const char*> calls[] = {
      {"string.find('hello world', 'o w')", "5"},
      {"string.match('lap 12 of 30', 'lap (%d+) of (%d+)')", "12"},
      {"string.gsub('a,b,,c', ',+', ';')", "a;b;c"},
      {"string.find(string.rep('a', 100000), 'b', 1, true)", "nil"},
      {"string.len(string.rep('ab', 3) .. string.rep('x', 0) .. string.rep('', 1000))", "6"},
      {"string.len(string.rep('x', 2^31 + 5 - 2^31))", "5"},
      {"string.len(string.rep('xy', 200000))", "400000"},
      {"('%5.1f|%q'):format(2.25, 'a\"b')", "  2.2|\"a\\\"b\""},
      {"string.upper('long ' .. string.rep('a', 100000)):sub(-3)", "AAA"},
      {"string.find('aaaa', string.rep('a?', 300))", "1"},
      {"string.match(string.rep('key=value ', 20), '(%w+)=(%w+)')", "key"},
      {"string.match(string.rep('1234567,', 5), '(%d+),(%d+),(%d+)')", "1234567"},
      {"string.gsub('  ' .. string.rep('word ', 1000) .. '  ', '^%s*(.-)%s*$', '%1'):len()", "4999"},
      {"string.find('a' .. string.rep('x', 1198) .. 'b', 'a.-b')", "1"},
      {"string.match(string.rep('word', 300), '(%a+)'):len()", "1200"},
  };
  for (const auto& [call, result] : calls) EXPECT_EQ(Eval(call), result) << call;
}

// The same calls in a level script.
TEST_F(Budget, ALevelScriptGetsEveryResultItsBudgetAffords) {
  ASSERT_TRUE(Load("key = string.match(string.rep('key=value ', 20), '(%w+)=(%w+)') "
                   "trimmed = string.gsub('  ' .. string.rep('word ', 1000) .. '  ', '^%s*(.-)%s*$', '%1') "
                   "local padded = string.rep(' ', 3000) .. 'x' .. string.rep(' ', 3000) "
                   "spaced = string.gsub(padded, '^%s*(.-)%s*$', '%1')"));
  EXPECT_EQ(Eval("key"), "key");
  EXPECT_EQ(Eval("#trimmed"), "4999");
  EXPECT_EQ(Eval("spaced"), "x");
}

// A loop of cheap calls on a long text spends the budget like the work it does.
TEST_F(Budget, StringWorkInALoopSpendsTheBudget) {
  EXPECT_FALSE(Run("for i = 1, 100000 do string.upper(big) end"));
  EXPECT_FALSE(Run("for i = 1, 100000 do string.rep(big, 2) end"));
  EXPECT_EQ(trace.Count("instruction budget"), 1) << "logged once per level";
}

// A substitution's result counts too: it can be far longer than what the call was given.
TEST_F(Budget, WhatAStringCallReturnsSpendsTheBudget) {
  const Kest::ScriptLimits limits;
  EXPECT_FALSE(Run("for i = 1, 100 do local s = string.gsub(string.rep('a', 300000), 'a', string.rep('x', 60)) "
                   "done = i end"));
  const long outputWork = 300000 * 60 / limits.bytesPerInstruction;
  EXPECT_LE(std::stol(Eval("done or 0")), limits.passInstructions / outputWork);
}

// Ten thousand events that never end their texts: each pass's budget goes to one of them, the others wait their
// turn, and what is cut short or waits is logged once in the level, however many passes follow.
TEST_F(Budget, ThePassBudgetCoversEveryTextOfThePass) {
  ASSERT_TRUE(Load("ran = 0 for i = 1, 10000 do "
                   "RegisterEvent(nil, CreateEventXGreater(-1e30), 'ran = ran + 1 while true do end', false) end"));
  Play(1);
  EXPECT_EQ(Eval("ran"), "1");
  Play(3);
  EXPECT_EQ(Eval("ran"), "4");
  EXPECT_EQ(trace.Count("instruction budget"), 1);
  EXPECT_EQ(trace.Count("Script texts wait"), 1);
}

// Short texts count too, and so does compiling a long one.
TEST_F(Budget, ManyShortTextsAndOneLongTextCountAgainstThePass) {
  Kest::ScriptLimits limits;
  limits.passInstructions = 2000000;
  Kest::ScriptManager::Create(limits);
  ASSERT_TRUE(Load("ran = 0 for i = 1, 5000 do RegisterEvent(nil, CreateEventXGreater(-1e30), 'ran = ran + 1', "
                   "false) end"));
  Play(1);
  EXPECT_LE(std::stoi(Eval("ran")), limits.passInstructions / limits.instructionsPerRun);
  ASSERT_TRUE(Load("EventXGreater(nil, -1e30, string.rep(' ', 4000000) .. 'long = true')"));
  Play(3);
  EXPECT_EQ(Eval("long"), "nil");
  EXPECT_EQ(trace.Count("Script texts wait"), 1);
  EXPECT_EQ(trace.Count("too long to run"), 1);
  Kest::ScriptManager::Create();
}

// An event text has the whole pass: one makes two thousand blocks. Once-only events that fire together, each making
// ninety, take what the pass affords; the others wait for the next passes, and every text runs once, in order.
TEST_F(Budget, EventTextsMakingManyObjectsRunWholeAndWaitTheirTurn) {
  ASSERT_TRUE(Load("EventXGreater(nil, -1e30, [[for i = 1, 2000 do CreateBlock(i, 0, 1, 1, '', false) made = i end]])"));
  Play(1);
  EXPECT_EQ(Eval("made"), "2000");

  Kest::ScriptLimits limits;
  limits.passInstructions = 3 * 90 * limits.instructionsPerObject;
  Kest::ScriptManager::Create(limits);
  ASSERT_TRUE(Load("order = '' for e = 1, 30 do EventXGreater(nil, -1e30, "
                   "'for i = 1, 90 do CreateBlock(i, 0, 1, 1, \"\", false) end order = order .. \"' .. e .. ',\"') end"));
  std::string all;
  for (int e = 1; e <= 30; ++e) all += std::to_string(e) + ",";
  Play(30);
  EXPECT_EQ(Eval("order"), all);
  EXPECT_EQ(Kest::EventManager::GetInstance()->GetEventCount(), 0);
  Kest::ScriptManager::Create();
}

// Telling a variable's observers is the script's work: a thousand events on one name, set ten thousand times, end
// at the level script's budget.
TEST_F(Budget, TellingAVariablesObserversSpendsTheBudget) {
  Kest::ScriptLimits limits;
  limits.levelScriptInstructions = 2000000;
  Kest::ScriptManager::Create(limits);
  EXPECT_FALSE(Load("for i = 1, 1000 do EventVariableTriggered('v', 'never', '') end "
                    "for i = 1, 10000 do SetVariable('v', 'x') sets = i end"));
  EXPECT_LE(std::stol(Eval("sets")), limits.levelScriptInstructions / (1000 * limits.instructionsPerObserver));
  Kest::ScriptManager::Create();
}

}  // namespace
}  // namespace ScriptTest
