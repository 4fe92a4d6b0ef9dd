// The module as scripts see it: the overload chains, the error texts, and the globals a level script has and has not.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <string>

#include "game/objects/object.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class Module : public ScriptLevel {};

// No base library: only the module, `tolua`, `string` and `math`. (The
// shipped tracks call the rest of the module; these methods no track calls.)
TEST_F(Module, ScriptsHaveTheModuleStringAndMathButNothingOfTheBaseLibrary) {
  ASSERT_TRUE(Load(""));
  for (const char* name : {"Kest.Sprite.SetSpeed", "Kest.Sprite.SetSail", "Kest.Sprite.EnableSail", "tolua.type",
                           "tolua.cast", "tolua.takeownership", "tolua.releaseownership", "tolua.inherit",
                           "tolua.setpeer", "tolua.getpeer", "string.upper", "math.floor"})
    EXPECT_EQ(Eval(std::string(name) + " ~= nil"), "true") << name;
  for (const char* missing : {"print", "type", "pairs", "ipairs", "tostring", "tonumber", "pcall", "require",
                              "dofile", "loadstring", "setmetatable", "io", "os", "table", "debug", "coroutine",
                              "package"})
    EXPECT_EQ(Eval(missing), "nil") << missing;
}

TEST_F(Module, InsertTakesTheFormThatFitsItsArguments) {
  ASSERT_TRUE(Load(R"(
    local space = GetApplication():GetSpace()
    space:Insert(CreateCircle(0, 0, 5, '', false), 'b')
    space:Insert(CreateCircle(0, 0, 5, '', false), 5, 'c')
    space:Insert(CreateCircle(0, 0, 5, '', false), '7', 'd')
  )"));
  for (const auto& named : {std::make_pair("b", 0.0f), std::make_pair("c", 5.0f), std::make_pair("d", 7.0f)}) {
    ASSERT_NE(Space().FindObject(named.first), nullptr) << named.first;
    EXPECT_EQ(Space().FindObject(named.first)->GetDepth(), named.second);
  }
}

// The position reaches the scene file exactly, however many digits it has; the flips come as "1" and "0".
TEST_F(Module, CreateObjectPlacesAndFlipsWhatTheSceneFileBuilds) {
  WriteFile("scratch-scene.xml",
            "<scene><plank class='block' x='0' y='0' width='40' height='10'/>"
            "<ramp class='line' x1='0' y1='0' x2='30' y2='10'/></scene>");
  ASSERT_TRUE(Load(R"(
    far = CreateObject('scratch-scene.xml', 1234567, 1.5)
    flipped = CreateObject('scratch-scene.xml', 10, 20, true, false)
    missing = CreateObject(nil, 0, 0)
    refused = CreateObject('scratch-scene.xml', 0/0, 0)
  )"));
  for (const char* name : {"missing", "refused"}) EXPECT_EQ(Eval(name), "nil") << name;
  Kest::Object* far = Global("far");
  Kest::Object* flipped = Global("flipped");
  ASSERT_TRUE(far && flipped);
  EXPECT_EQ(far->GetCenter().x, 1234567.0f + 20.0f);
  EXPECT_EQ(far->GetCenter().y, 1.5f + 5.0f);
  EXPECT_EQ(flipped->GetTexture().GetFlipMode(), 0) << "flipped sideways only";
  EXPECT_EQ(flipped->GetCenter().x, 30.0f);
}

TEST_F(Module, CreateRopeTakesSevenElevenTwelveOrSixteenNumbers) {
  ASSERT_TRUE(Load(R"(
    seven = CreateRope(10, 100, 300, 300, 300, 250, 0)
    eleven = CreateRope(10, 100, 300, 300, 300, 250, 0, 1, 2, 3, 4)
    twelve = CreateRope(10, 100, 300, 300, 300, 250, 0, 20, 1, 2, 3, 4)
    sixteen = CreateRope(10, 100, 300, 300, 300, 250, 0, 20, 1, 2, 3, 4, 5, 6, 7, 8)
  )"));
  for (const char* rope : {"seven", "eleven", "twelve", "sixteen"}) EXPECT_EQ(Eval(rope), "object");
  EXPECT_FALSE(Load("CreateRope(10, 100, 300, 300, 300, 250, 0, 20, 1, 2, 3, 4, 5)"));
  EXPECT_TRUE(trace.Contains("error in function 'CreateRope'."));
  EXPECT_TRUE(trace.Contains("argument #8 is 'number'; '[no object]' expected."));
}

TEST_F(Module, AWrongArgumentNamesTheFunctionTheArgumentAndTheTypeExpected) {
  EXPECT_FALSE(Load("CreateCircle(0, 0, 5, '', true):SetMass()"));
  EXPECT_TRUE(trace.Contains("error in function 'SetMass'."));
  EXPECT_TRUE(trace.Contains("argument #2 is '[no object]'; 'number' expected."));
  EXPECT_FALSE(Load("Kest.Object.SetMass(nil, 2)"));
  EXPECT_TRUE(trace.Contains("invalid 'self' in function 'SetMass'"));
  EXPECT_FALSE(Load("Kest.Sprite:new('x')"));
  EXPECT_TRUE(trace.Contains("error in function 'new'."));
}

// The declared result type decides the methods a new value shows.
TEST_F(Module, ValuesShowTheMethodsOfTheirDeclaredType) {
  ASSERT_TRUE(Load(R"(
    circle = CreateCircle(0, 0, 5, '', true)
    composite = CreateComposite(0, 0, nil)
    made, texture = Kest.Composite:new(0, 0, nil, false)
  )"));
  EXPECT_EQ(Eval("circle.AddLine"), "nil");
  EXPECT_EQ(Eval("circle.SetMass ~= nil"), "true");
  EXPECT_EQ(Eval("composite.AddLine ~= nil"), "true");
  EXPECT_EQ(Eval("composite.SetMass ~= nil"), "true");
  EXPECT_EQ(Eval("texture"), "");
  EXPECT_EQ(Eval("made.Finalize ~= nil"), "true");
}

}  // namespace
}  // namespace ScriptTest
