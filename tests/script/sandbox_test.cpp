// Hostile level scripts: what they try on the module's classes and the library's tables is refused, and the
// objects they make are still boxed, collected and freed as the game made them.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <string>

#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Sandbox : public ScriptLevel {};

// Every way a script could write to a class table, or to the module through which it reaches them.
TEST_F(Sandbox, NoScriptWriteReachesTheModulesClassTables) {
  const char* const writes[] = {
      "Kest.Object.tolua_ubox = 1",
      "Kest.ConditionComposite.tolua_ubox = {}",
      "Kest.Composite['.collector'] = nil",
      "Kest.Object.__gc = function() while true do end end",
      "Kest.Object.__index = nil",
      "Kest.Object.__newindex = nil",
      "Kest.Sprite['.call'] = nil",
      "Kest.Object.SetMass = nil",
      "Kest.Sprite.Fresh = 1",
      "Kest.Object = {}",
      "Kest.Fresh = {}",
      "local o = Kest.Object o.tolua_ubox = 1",
  };
  for (const char* write : writes) {
    ASSERT_TRUE(Load(""));
    EXPECT_FALSE(Run(write)) << write;
    EXPECT_TRUE(trace.Contains("the module's classes cannot be changed")) << write;
  }
}

// What a script can still read of the classes, and what it may no longer read: the library's own fields.
TEST_F(Sandbox, ScriptsReadClassesConstructorsAndMethodsButNotTheLibrarysFields) {
  ASSERT_TRUE(Load(R"(
    local made = Kest.Sprite('', 1, 8, 8, 1, 10, 0, 0, true)
    local other = Kest.Composite:new_local(0, 0, '', true)
    Kest.Object.SetMass(CreateCircle(0, 0, 5, '', true), 2)
    sprite = Kest.Sprite:new('', 1, 8, 8, 1, 10, 0, 0, true)
    GetApplication():GetSpace():Insert(sprite, 'kept')
  )"));
  EXPECT_EQ(Eval("Kest.Sprite.new ~= nil and Kest.Sprite.SetSpeed ~= nil and Kest.Object.SetMass ~= nil"), "true");
  for (const char* field : {"Kest.Object.tolua_ubox", "Kest.Composite['.collector']", "Kest.Object.__gc",
                            "Kest.Object.__index", "Kest.Sprite['.call']", "sprite.tolua_ubox",
                            "sprite['.collector']", "sprite.__gc"})
    EXPECT_EQ(Eval(field), "nil") << field;
}

// The reproductions of the faults the writes caused: a crash, a use after free, a free of a `new`'d object and a
// finaliser that never ends. Each runs, is refused, and the level goes on.
TEST_F(Sandbox, TheGameOutlivesEveryScriptThatTriedToRewriteAClass) {
  const char* const scripts[] = {
      "Kest.Object.tolua_ubox = 1",
      "Kest.ConditionComposite.tolua_ubox = {}",
      "Kest.Composite['.collector'] = nil",
      "Kest.Object.__gc = function(box) while true do end end",
  };
  for (const char* script : scripts) {
    ASSERT_TRUE(Load(""));
    Run(script);
    ASSERT_TRUE(Run(R"(
      block = CreateBlock(0, 0, 10, 10, '', false)
      cc = CreateCompositeEvent() RegisterEvent(nil, cc, 'fired = true')
      cc:Add(CreateEventXGreater(-1e30))
      local garbage = Kest.Composite:new_local(0, 0, '', true)
    )")) << script;
    Play(2);
    EXPECT_EQ(Eval("fired"), "true") << script;
    lua_gc(State(), LUA_GCCOLLECT, 0);
    EXPECT_FALSE(Run("cc:Add(CreateEventXGreater(1))")) << script;
    EXPECT_TRUE(trace.Contains("invalid 'self' in function 'Add'")) << script;
    EXPECT_TRUE(Load(""));
  }
}

}  // namespace
}  // namespace ScriptTest
