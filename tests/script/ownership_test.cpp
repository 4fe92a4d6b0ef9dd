// Who deletes what a script makes, and what a script holds once the game has deleted it.
#include <gtest/gtest.h>
#include <lua.hpp>

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
    Kest::Object* object = Global(global);
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

// What new_local and the class call made is the collector's; what new made is the engine's until the state closes.
TEST_F(Ownership, TheCollectorDeletesOnlyWhatNewLocalAndTheClassCallMade) {
  const std::pair<const char*, bool> cases[] = {{"Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true)", true},
                                                {"Kest.Sprite('', 1, 8, 8, 1, 10, 0, 0, true)", true},
                                                {"Kest.Composite:new_local(0, 0, '', true)", true},
                                                {"Kest.Sprite:new('', 1, 8, 8, 1, 10, 0, 0, true)", false}};
  for (const auto& [make, collected] : cases) {
    ASSERT_TRUE(Load(std::string("made = ") + make));
    ASSERT_NE(Watch("made"), nullptr);
    Forget("made");
    EXPECT_EQ(deleted, collected) << make;
    Load("");
    EXPECT_TRUE(deleted) << make;
  }
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
  EXPECT_EQ(trace.Count("already has an owner"), 3);
}

// A swept object's handle is an invalid 'self' and a null argument; a new object at its address is fresh.
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

}  // namespace
}  // namespace ScriptTest
