// Who deletes what a script makes, and what a script holds once the game
// has deleted it.
#include <gtest/gtest.h>
#include <lua.hpp>
#include <tolua++.h>

#include <string>

#include "game/level/level.h"
#include "game/objects/object.h"
#include "game/objects/resourcemanager.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Ownership : public ScriptLevel, public Kest::ObjectObserver {
 protected:
  void OnCollision(int kind, Kest::Object*) override { deleted = deleted || kind == kDestroyed; }
  // What the test watched goes while the test is still there.
  void TearDown() override {
    Load("");
    ScriptLevel::TearDown();
  }
  // The object a global holds (null for a null handle), watched afresh.
  Kest::Object* Watch(const char* global) {
    lua_getglobal(State(), global);
    auto* object = static_cast<Kest::Object*>(tolua_tousertype(State(), -1, nullptr));
    lua_settop(State(), 0);
    deleted = false;
    if (object) object->AddObserver(this);
    return object;
  }
  // Drops the global and collects the garbage.
  void Forget(const char* global) {
    Run(std::string(global) + " = nil");
    lua_gc(State(), LUA_GCCOLLECT, 0);
  }

  bool deleted = false;
};

TEST_F(Ownership, TheCollectorDeletesWhatNewLocalAndTheClassCallMade) {
  for (const char* make : {"Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true)",
                           "Kest.Sprite('', 1, 8, 8, 1, 10, 0, 0, true)", "Kest.Composite:new_local(0, 0, '', true)"}) {
    ASSERT_TRUE(Load(std::string("made = ") + make));
    ASSERT_NE(Watch("made"), nullptr);
    Forget("made");
    EXPECT_TRUE(deleted) << make;
  }
}

TEST_F(Ownership, NewAndTheObjectFunctionsLeaveTheirValueToTheEngineUntilTheStateCloses) {
  ASSERT_TRUE(Load("made = Kest.Sprite:new('', 1, 8, 8, 1, 10, 0, 0, true)"));
  ASSERT_NE(Watch("made"), nullptr);
  Forget("made");
  EXPECT_FALSE(deleted);
  Load("");
  EXPECT_TRUE(deleted);
}

// Handing a value to the game ends the script's ownership.
TEST_F(Ownership, AnObjectHandedToTheGameOutlivesTheScriptsValue) {
  for (const char* handOver : {"GetApplication():GetSpace():Insert(made)", "RegisterObject(made, 'proto')"}) {
    ASSERT_TRUE(Load(std::string("made = Kest.Composite:new_local(0, 0, '', false) ") + handOver));
    Kest::Object* made = Watch("made");
    Forget("made");
    EXPECT_FALSE(deleted) << handOver;
    EXPECT_TRUE(Space().Contains(made) || Kest::ResourceManager::GetInstance()->IsPrototype(made));
    made->RemoveObserver(this);
  }
}

// No collector would delete a plain object as it was made.
TEST_F(Ownership, TakeOwnershipIsRefusedForWhatTheGameHolds) {
  ASSERT_TRUE(Load(R"(
    made = Kest.Sprite:new('', 1, 8, 8, 1, 10, 0, 0, true)
    GetApplication():GetSpace():Insert(made, 'held')
    taken = tolua.takeownership(made)
    plain = tolua.takeownership(CreateCircle(0, 0, 5, '', true))
  )"));
  EXPECT_EQ(Eval("taken"), "false");
  EXPECT_EQ(Eval("plain"), "false");
  Watch("made");
  Forget("made");
  EXPECT_FALSE(deleted);
}

TEST_F(Ownership, ASecondHandOverIsRefusedWithOneLogLine) {
  ASSERT_TRUE(Load(R"(
    local space = GetApplication():GetSpace()
    made = CreateCircle(0, 0, 5, '', true)
    space:Insert(made, 'first')
    space:Insert(made, 'second')
    RegisterObject(made, 'proto')
    condition = CreateVariableCondition('done')
    GetLevel():Add(condition)
    GetLevel():Add(condition)
  )"));
  EXPECT_EQ(Space().FindObject("second"), nullptr);
  EXPECT_EQ(Kest::ResourceManager::GetInstance()->FindPrototype("proto"), nullptr);
  EXPECT_EQ(Level().GetConditionCount(), 1);
  int refusals = 0;
  for (const std::string& line : trace.Lines()) refusals += line.find("already has an owner") != std::string::npos;
  EXPECT_EQ(refusals, 3);
}

// Methods on a swept object's handle raise the "invalid 'self'" error, and
// as an argument it arrives as null; a new object at the same address gets
// a fresh value.
TEST_F(Ownership, AHandleToADeletedObjectIsNull) {
  ASSERT_TRUE(Load(R"(
    made = CreateCircle(0, 0, 5, 'res\\wheel.png', true)
    GetApplication():GetSpace():Insert(made, 'doomed')
    texture = made:GetTexture()
  )"));
  Watch("made")->SetRemoved(true);
  Kest::GetApplication()->UpdateAndDraw(0.0f, false);
  ASSERT_TRUE(deleted);
  EXPECT_FALSE(Run("made:SetMass(2)"));
  EXPECT_TRUE(trace.Contains("invalid 'self' in function 'SetMass'"));
  EXPECT_FALSE(Run("texture:SetFlipVertically()"));
  EXPECT_TRUE(trace.Contains("invalid 'self' in function 'SetFlipVertically'"));
  EXPECT_TRUE(Run("RotateObject(made, 30)"));
  EXPECT_TRUE(trace.Contains("RotateObject: the object has no physics object"));
  EXPECT_TRUE(Run("fresh = CreateCircle(0, 0, 5, '', true) fresh:SetMass(2)"));
}

TEST_F(Ownership, AScriptOwnedObjectInsertedAndThenReloadedIsDeletedOnce) {
  ASSERT_TRUE(Load(R"(
    made = Kest.Sprite('', 1, 8, 8, 1, 10, 0, 0, true)
    GetApplication():GetSpace():Insert(made)
    RegisterObject(CreateCircle(0, 0, 5, '', true), 'ball')
  )"));
  Watch("made");
  Load("");
  EXPECT_TRUE(deleted);
}

}  // namespace
}  // namespace ScriptTest
