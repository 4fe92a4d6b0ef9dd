// Calls every function and method a level script can reach with random argument lists: nil, booleans, NaN,
// infinities, huge and negative numbers, empty and 1 MiB texts, type names, tables, functions, objects of every type,
// objects the game has deleted, and too many arguments. Every call runs as an event text, and the events the calls
// register run at every step; the game may refuse any of them, but nothing may crash or trip a sanitizer.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <random>
#include <string>
#include <vector>

#include "game/level/eventmanager.h"
#include "game/objects/space.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

constexpr int kCalls = 100000;
constexpr int kResultSlots = 64;

// One of every kind of value, kept in globals; `dead` is swept from the space once the script has run.
const char* const kLevel = R"(
app = GetApplication() space = app:GetSpace() bike = GetBike() level = GetLevel()
circle = CreateCircle(100, 100, 10, '', true)
block = CreateBlock(0, 300, 200, 20, '', false) space:Insert(block, 'ground')
texture = block:GetTexture()
composite = CreateComposite(50, 50, '') composite:AddBlock(0, 0, 10, 10) composite:Finalize()
sprite = CreateSprite('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true)
owned = Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true)
rope = CreateRope(10, 300, 100, 400, 100, 120, 0)
condition = CreateVariableCondition('done')
dead = CreateCircle(0, 0, 5, '', false) space:Insert(dead, 'dead')
pool = { false, true, 0, -1, 1, 0.5, 7, 0/0, 1/0, -1/0, 1e300, -1e300, 2^31, -2^31 - 1, 2^53,
  '', '5', 'abc', 'res\\smoke.png', 'Kest::Sprite', 'Kest::Object', 'Kest::Level', 'Kest::Texture',
  'Kest::Composite', 'Kest::VariableCondition', 'Kest::App', string.rep('x', 1048576), {},
  function() end, string.len, app, space, bike, level, circle, block, texture, composite, sprite,
  owned, rope, condition, dead, Kest.Sprite, Kest.Object, Kest.Composite }
)";

// The functions of the table on the top of the stack, by their paths.
void Collect(lua_State* L, const std::string& prefix, std::vector<std::string>& names) {
  for (lua_pushnil(L); lua_next(L, -2) != 0; lua_pop(L, 1))
    if (lua_isfunction(L, -1) && lua_type(L, -2) == LUA_TSTRING)
      names.push_back(prefix.empty() ? lua_tostring(L, -2) : prefix + "[\"" + lua_tostring(L, -2) + "\"]");
}

// Globals, and the fields of the libraries, `tolua` and the classes in Kest.
std::vector<std::string> ReachableFunctions(lua_State* L) {
  std::vector<std::string> names, tables = {"string", "math", "tolua"};
  lua_getglobal(L, "Kest");
  for (lua_pushnil(L); lua_next(L, -2) != 0; lua_pop(L, 1))
    if (lua_istable(L, -1)) tables.push_back(std::string("Kest.") + lua_tostring(L, -2));
  lua_settop(L, 0);
  lua_pushvalue(L, LUA_GLOBALSINDEX);
  Collect(L, "", names);
  for (const std::string& table : tables) {
    luaL_dostring(L, ("return " + table).c_str());
    Collect(L, table, names);
    lua_settop(L, 0);
  }
  lua_settop(L, 0);
  return names;
}

class Fuzz : public ScriptLevel {
 protected:
  void StartLevel() {
    ASSERT_TRUE(Load(kLevel));
    Space().FindObject("dead")->SetRemoved(true);
    Kest::GetApplication()->UpdateAndDraw(16.0f, false);
    functions_ = ReachableFunctions(State());
    poolSize_ = std::stoi(Eval("#pool"));
  }
  // A random function with up to 17 random arguments, its result kept among the values later calls may take.
  std::string RandomCall() {
    std::string call = "local r = " + functions_[Pick(functions_.size())] + "(";
    for (std::size_t i = 0, count = Pick(18); i < count; ++i) {
      const std::size_t slot = Pick(poolSize_ + kResultSlots + 1);
      call += (i > 0 ? ", " : "") + (slot == 0 ? "nil" : "pool[" + std::to_string(slot) + "]");
    }
    return call + ") if r ~= nil then pool[" + std::to_string(poolSize_ + 1 + Pick(kResultSlots)) + "] = r end";
  }
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  std::vector<std::string> functions_;
  std::size_t poolSize_ = 0;
  std::mt19937 rng_{20240611};
};

// A new level every 10,000 calls, a frame and a step every 500.
TEST_F(Fuzz, EveryReachableFunctionTakesAnyArgumentsWithoutCrashing) {
  Kest::App& app = *Kest::GetApplication();
  int ran = 0;
  for (int call = 0; call < kCalls; ++call) {
    if (call % 10000 == 0) StartLevel();
    ran += Run(RandomCall());
    if (call % 500 == 0) {
      app.UpdateAndDraw(16.0f, true);
      app.Simulate(0.038f);
      Kest::EventManager::GetInstance()->Update();
    }
  }
  EXPECT_GT(ran, kCalls / 20) << "too few calls get through to reach the game";
  EXPECT_GT(functions_.size(), 100u);
  EXPECT_EQ(lua_gettop(State()), 0) << "what failed calls left";
  EXPECT_EQ(Eval("1 + 1"), "2");
}

}  // namespace
}  // namespace ScriptTest
