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

// Tells whether the object it watches was deleted.
class DeletionProbe : public Kest::ObjectObserver {
 public:
  void OnCollision(int kind, Kest::Object*) override { deleted = deleted || kind == kDestroyed; }
  bool deleted = false;
};

class Ownership : public ScriptLevel {
 protected:
  // What the test watched goes while the probe is still there.
  void TearDown() override {
    Load("");
    ScriptLevel::TearDown();
  }

  // The object a global holds (null for a null handle), watched.
  Kest::Object* Watch(const char* global) {
    lua_getglobal(State(), global);
    auto* object = static_cast<Kest::Object*>(tolua_tousertype(State(), -1, nullptr));
    lua_settop(State(), 0);
    if (object) object->AddObserver(&probe);
    return object;
  }

  void Collect() { lua_gc(State(), LUA_GCCOLLECT, 0); }

  // The application's next frame deletes what was removed.
  void Sweep(Kest::Object* object) {
    object->SetRemoved(true);
    Kest::GetApplication()->UpdateAndDraw(0.0f, false);
  }

  DeletionProbe probe;
};

TEST_F(Ownership, TheCollectorDeletesWhatNewLocalAndTheClassCallMade) {
  for (const char* make : {"Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true)",
                           "Kest.Sprite('', 1, 8, 8, 1, 10, 0, 0, true)",
                           "Kest.Composite:new_local(0, 0, '', true)"}) {
    SCOPED_TRACE(make);
    probe.deleted = false;
    ASSERT_TRUE(Load(std::string("made = ") + make));
    ASSERT_NE(Watch("made"), nullptr);
    Run("made = nil");
    Collect();
    EXPECT_TRUE(probe.deleted);
  }
}

TEST_F(Ownership, NewAndTheObjectFunctionsLeaveTheirValueToTheEngineUntilTheStateCloses) {
  ASSERT_TRUE(Load("made = Kest.Sprite:new('', 1, 8, 8, 1, 10, 0, 0, true)"));
  ASSERT_NE(Watch("made"), nullptr);
  Run("made = nil");
  Collect();
  EXPECT_FALSE(probe.deleted);
  Load("");
  EXPECT_TRUE(probe.deleted);
}

// Handing a value to the game ends the script's ownership: collecting the
// script's value no longer deletes it.
TEST_F(Ownership, AnObjectHandedToTheGameOutlivesTheScriptsValue) {
  for (const char* handOver : {"GetApplication():GetSpace():Insert(made)",
                               "RegisterObject(made, 'proto')"}) {
    SCOPED_TRACE(handOver);
    probe.deleted = false;
    ASSERT_TRUE(Load(std::string("made = Kest.Composite:new_local(0, 0, '', false) ") + handOver));
    Kest::Object* made = Watch("made");
    Run("made = nil");
    Collect();
    EXPECT_FALSE(probe.deleted);
    EXPECT_TRUE(Space().Contains(made) || Kest::ResourceManager::GetInstance()->IsPrototype(made));
    made->RemoveObserver(&probe);
  }
}

TEST_F(Ownership, TakeOwnershipIsRefusedForWhatTheGameHolds) {
  ASSERT_TRUE(Load(R"(
    made = Kest.Sprite:new('', 1, 8, 8, 1, 10, 0, 0, true)
    GetApplication():GetSpace():Insert(made, 'held')
    taken = tolua.takeownership(made)
    circle = CreateCircle(0, 0, 5, '', true)
    plain = tolua.takeownership(circle)
  )"));
  EXPECT_EQ(Eval("taken"), "false");
  EXPECT_EQ(Eval("plain"), "false");  // no collector would delete it as it was made
  Watch("made");
  Run("made = nil");
  Collect();
  EXPECT_FALSE(probe.deleted);
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
  for (const std::string& line : trace.Lines()) {
    refusals += line.find("already has an owner") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(refusals, 3);
}

// A swept object's handle is null: methods raise the "invalid 'self'"
// error, and as an argument it arrives as null.
TEST_F(Ownership, AHandleToADeletedObjectIsNull) {
  ASSERT_TRUE(Load(R"(
    made = CreateCircle(0, 0, 5, 'res\\wheel.png', true)
    GetApplication():GetSpace():Insert(made, 'doomed')
    texture = made:GetTexture()
  )"));
  Sweep(Watch("made"));
  ASSERT_TRUE(probe.deleted);
  EXPECT_FALSE(Run("made:SetMass(2)"));
  EXPECT_TRUE(trace.Contains("invalid 'self' in function 'SetMass'"));
  EXPECT_FALSE(Run("texture:SetFlipVertically()"));
  EXPECT_TRUE(trace.Contains("invalid 'self' in function 'SetFlipVertically'"));
  EXPECT_TRUE(Run("RotateObject(made, 30)"));
  EXPECT_TRUE(trace.Contains("RotateObject: the object has no physics object"));
  // A new object at the same address gets a fresh value.
  EXPECT_TRUE(Run("fresh = CreateCircle(0, 0, 5, '', true) fresh:SetMass(2)"));
}

TEST_F(Ownership, AScriptOwnedObjectInsertedAndThenReloadedIsDeletedOnce) {
  ASSERT_TRUE(Load(R"(
    made = Kest.Sprite('', 1, 8, 8, 1, 10, 0, 0, true)
    GetApplication():GetSpace():Insert(made)
    proto = CreateCircle(0, 0, 5, '', true)
    RegisterObject(proto, 'ball')
  )"));
  Watch("made");
  Load("");
  EXPECT_TRUE(probe.deleted);
}

}  // namespace
}  // namespace ScriptTest
