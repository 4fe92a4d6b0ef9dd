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
      "tolua.inherit(Kest.Object, CreateCircle(0, 0, 5, '', true))",
      "tolua.inherit(Kest, CreateCircle(0, 0, 5, '', true))",
      "local peered = CreateCircle(0, 0, 5, '', true) tolua.setpeer(peered, Kest.Object) peered.tolua_ubox = 1",
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

// Every binding that takes a file name, with names outside the game's folder in either slash style.
TEST_F(Sandbox, FilesOutsideTheGamesFolderAreRefusedByEveryBinding) {
  WriteFile("scratch-scene.xml", "<scene><plank class='block' x='0' y='0' width='40' height='10'/></scene>");
  const char* const outside[] = {"/tmp/outside.xml", "..\\outside.xml", "res/../../outside.png", "\\\\host\\x.png",
                                 "C:\\x.png", "res\\..", "../scratch-scene.xml"};
  const std::pair<const char*, const char*> bindings[] = {
      {"CreateObject(F, 0, 0)", "CreateObject"},
      {"CreateObject(F, 0, 0, true, false)", "CreateObject"},
      {"CreateBitmap(0, 0, F)", "CreateBitmap"},
      {"CreateShadowBitmap(0, 0, F)", "CreateShadowBitmap"},
      {"CreateCircle(0, 0, 5, F, true)", "CreateCircle"},
      {"CreateLine(0, 0, 5, 5, F)", "CreateLine"},
      {"CreateBlock(0, 0, 5, 5, F, false)", "CreateBlock"},
      {"CreateArc(0, 0, 50, 1, F)", "CreateArc"},
      {"CreateArc(0, 0, 50, 60, 1, F)", "CreateArc"},
      {"CreateComposite(0, 0, F)", "CreateComposite"},
      {"CreateSprite(F, 1, 8, 8, 1, 10, 0, 0, true)", "CreateSprite"},
      {"Kest.Sprite(F, 1, 8, 8, 1, 10, 0, 0, true)", "CreateSprite"},
      {"Kest.Composite:new_local(0, 0, F, true)", "new"},
      {"CreateBoost(F, 0, 0, 10, 10, 1)", "CreateBoost"},
      {"CreateBoost(F, 1, 8, 8, 1, 10, 0, 0, true, false, 1)", "CreateBoost"},
      {"CreateCloud(F, 0, 1, 0, 0, 0)", "CreateCloud"},
  };
  ASSERT_TRUE(Load(""));
  for (const auto& [call, function] : bindings) {
    for (const char* name : outside) {
      const std::string line = std::string(function) + ": a file outside the game's folder is refused";
      const int before = trace.Count(line);
      Run(std::string("F = [[") + name + "]] made = " + call);
      EXPECT_EQ(trace.Count(line), before + 1) << call << " " << name;
      EXPECT_EQ(Eval("made"), "nil") << call << " " << name;
    }
  }
  EXPECT_TRUE(Run("GetApplication():SetBgImage('/tmp/outside.png')"));
  EXPECT_TRUE(trace.Contains("SetBgImage: a file outside the game's folder is refused"));
  const std::string refused = "CreateObject: a file outside the game's folder is refused";
  const int before = trace.Count(refused);
  for (const char* inside : {"scratch-scene.xml", "./scratch-scene.xml", "res/..scratch.xml"}) {
    Run(std::string("made = CreateObject([[") + inside + "]], 0, 0)");
    EXPECT_EQ(trace.Count(refused), before) << inside;
  }
  EXPECT_EQ(Eval("CreateObject('./scratch-scene.xml', 0, 0) ~= nil and CreateBitmap(0, 0, [[res\\sign.png]]) ~= nil"),
            "true");
}

// A view is allowed where it is true of the object, whatever the type the script holds it as, and refused where
// it is not.
TEST_F(Sandbox, CastAllowsEveryTrueViewAndNoFalseOne) {
  ASSERT_TRUE(Load(R"(
    local space = GetApplication():GetSpace()
    space:Insert(CreateLevelStar('star', 0, 0), 'star')
    space:Insert(CreateComposite(0, 0, ''), 'composite')
    space:Insert(CreateSprite('', 1, 8, 8, 1, 10, 0, 0, true), 'sprite')
    space:Insert(CreateCircle(0, 0, 5, '', true), 'circle')
    composite = CreateCompositeEvent()
    plain = CreateEventXGreater(1)
    variable = CreateVariableCondition('v')
  )"));
  const std::pair<const char*, const char*> casts[] = {
      {"tolua.cast(DefaultSpaceFind('star'), 'Kest::PickableItem')", "object"},
      {"tolua.cast(DefaultSpaceFind('composite'), 'Kest::Composite')", "object"},
      {"tolua.cast(DefaultSpaceFind('sprite'), 'Kest::Sprite')", "object"},
      {"tolua.cast(tolua.cast(composite, 'Kest::Condition'), 'Kest::ConditionComposite')", "object"},
      {"tolua.cast(tolua.cast(variable, 'Kest::LevelCondition'), 'Kest::VariableCondition')", "object"},
      {"tolua.cast(DefaultSpaceFind('circle'), 'Kest::PickableItem')", "nil"},
      {"tolua.cast(DefaultSpaceFind('star'), 'Kest::Composite')", "nil"},
      {"tolua.cast(DefaultSpaceFind('composite'), 'Kest::Sprite')", "nil"},
      {"tolua.cast(DefaultSpaceFind('sprite'), 'Kest::PickableItem')", "nil"},
      {"tolua.cast(plain, 'Kest::ConditionComposite')", "nil"},
      {"tolua.cast(plain, 'Kest::VariableCondition')", "nil"},
      {"tolua.cast(DefaultSpaceFind('circle'), 'Kest::Space')", "nil"},
  };
  for (const auto& [cast, result] : casts) EXPECT_EQ(Eval(cast), result) << cast;
  EXPECT_TRUE(Run("tolua.cast(DefaultSpaceFind('star'), 'Kest::PickableItem'):SetImage(nil)"));
}

}  // namespace
}  // namespace ScriptTest
