// The special objects as level scripts make them: the functions and their
// forms, what they refuse, who owns an item's picture, and a star collected
// by the bike in the game's own collision pass.
#include <gtest/gtest.h>
#include <lua.hpp>
#include <tolua++.h>

#include <string>

#include "game/app/mainloop.h"
#include "game/bike/bike.h"
#include "game/level/variablemanager.h"
#include "game/objects/boost.h"
#include "game/objects/pickableitem.h"
#include "game/objects/sprite.h"
#include "script/scriptmanager.h"
#include "tessora/object.h"
#include "tests/script/leakcheck.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class SpecialScripts : public ScriptLevel {
 protected:
  // The object a global holds, or null.
  template <class T>
  T* Global(const char* name) {
    lua_getglobal(State(), name);
    auto* object = static_cast<Kest::Object*>(tolua_tousertype(State(), -1, nullptr));
    lua_settop(State(), 0);
    return dynamic_cast<T*>(object);
  }
  int LinesWith(const std::string& fragment) const {
    int count = 0;
    for (const std::string& line : trace.Lines()) count += line.find(fragment) != std::string::npos;
    return count;
  }
  // Frames and physics steps as the main loop runs them.
  void Play(int steps) {
    Kest::App& app = *Kest::GetApplication();
    Kest::Bike& bike = *Kest::Bike::GetInstance();
    for (int step = 0; step < steps; ++step) {
      if (step % 8 == 0) app.UpdateAndDraw(16.0f, true);
      bike.PreStep();
      app.Simulate(Kest::MainLoop::kStepLength);
      bike.Step(2.0f);
    }
  }
};

TEST_F(SpecialScripts, TheFunctionsAndTheItemsMethodAreRegistered) {
  ASSERT_TRUE(Load(""));
  for (const char* name : {"CreateBoost", "CreateWater", "CreatePickableItem", "CreateCloud",
                           "CreateCompositeBlock", "CreateShadowBitmap", "CreateLevelStar"}) {
    EXPECT_EQ(Eval(name), "function") << name;
  }
  EXPECT_EQ(Eval("Kest.PickableItem.SetImage"), "function");
}

// The short form shows the whole image as one frame: its size, truncated,
// is the zone's.
TEST_F(SpecialScripts, CreateBoostTakesTheShortOrTheLongForm) {
  ASSERT_TRUE(Load(R"(
    short = CreateBoost('', 10, 20, 64.9, 32.5, 2)
    long = CreateBoost('', 4, 40, 30, 8, 50, 100, 200, false, true, 1)
  )"));
  for (const char* name : {"short", "long"}) {
    SCOPED_TRACE(name);
    Kest::Boost* boost = Global<Kest::Boost>(name);
    ASSERT_NE(boost, nullptr);
    const Tessora::BoundingBox& zone = boost->GetBody()->GetShape()->GetBox();
    const bool isShort = std::string(name) == "short";
    EXPECT_FLOAT_EQ(zone.minX, isShort ? 10.0f : 100.0f);
    EXPECT_FLOAT_EQ(zone.maxX, isShort ? 74.0f : 140.0f);
    EXPECT_FLOAT_EQ(zone.maxY, isShort ? 52.0f : 230.0f);
    EXPECT_EQ(boost->GetFrameCount(), isShort ? 1 : 8);
    EXPECT_EQ(boost->IsLooping(), isShort);
  }
  EXPECT_FALSE(Load("CreateBoost('', 1, 2, 3, 4, 5, 6, 7)"));
  EXPECT_TRUE(trace.Contains("error in function 'CreateBoost'."));
}

TEST_F(SpecialScripts, ALevelStarIsATwentyUnitItemUnderAStarCentredOnIt) {
  ASSERT_TRUE(Load("star = CreateLevelStar('star1', 400, 100)"));
  Kest::PickableItem* star = Global<Kest::PickableItem>("star");
  ASSERT_NE(star, nullptr);
  EXPECT_EQ(star->GetName(), "star1");
  const Tessora::BoundingBox& box = star->GetBody()->GetShape()->GetBox();
  EXPECT_FLOAT_EQ(box.minX, 400.0f);
  EXPECT_FLOAT_EQ(box.minY, 100.0f);
  EXPECT_FLOAT_EQ(box.maxX, 420.0f);
  EXPECT_FLOAT_EQ(box.maxY, 120.0f);
  auto* sprite = dynamic_cast<Kest::Sprite*>(star->GetImage());
  ASSERT_NE(sprite, nullptr);
  EXPECT_FLOAT_EQ(sprite->GetPosition().x, 394.0f);
  EXPECT_FLOAT_EQ(sprite->GetPosition().y, 94.0f);
  EXPECT_EQ(sprite->GetFrameCount(), 8);
  EXPECT_EQ(sprite->GetTexture().GetFileName(), "res\\staritem.png");
}

// Each refusal gives nil and one log line that names the function.
TEST_F(SpecialScripts, NonFiniteNumbersAndShapesWithoutAreaAreRefused) {
  const struct {
    const char* call;
    const char* function;
  } cases[] = {
      {"CreateWater(0/0, 0, 10, 10)", "CreateWater"},
      {"CreateWater(0, 0, 0, 10)", "CreateWater"},
      {"CreateWater(0, 0, 10, -1)", "CreateWater"},
      {"CreatePickableItem('a', 0, 1/0, 10, 10)", "CreatePickableItem"},
      {"CreatePickableItem('a', 0, 0, 0, 10)", "CreatePickableItem"},
      {"CreateLevelStar('a', -1/0, 0)", "CreatePickableItem"},
      {"CreateBoost('', 0, 0, 0.5, 10, 1)", "CreateBoost"},
      {"CreateBoost('', 1, 0, 10, 1, 0, 0, 0, true, false, 1)", "CreateBoost"},
      {"CreateBoost('', 0/0, 0, 10, 10, 1)", "CreateBoost"},
      {"CreateCloud('', 0, 1/0, 0, 0, 0)", "CreateCloud"},
      {"CreateCloud('', 0, 0, 0, 0/0, 0)", "CreateCloud"},
      {"CreateCompositeBlock(0, 0, 0, 10, true, false, false, 255, false, 100)",
       "CreateCompositeBlock"},
      {"CreateCompositeBlock(0, 1e39, 10, 10, true, false, false, 255, false, 100)",
       "CreateCompositeBlock"},
      {"CreateShadowBitmap(0/0, 0, '')", "CreateShadowBitmap"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    const int before = LinesWith(c.function);
    ASSERT_TRUE(Load(std::string("made = ") + c.call));
    EXPECT_EQ(Eval("made"), "nil");
    EXPECT_EQ(LinesWith(c.function), before + 1);
  }
}

TEST_F(SpecialScripts, NilTextsAreEmptyTexts) {
  ASSERT_TRUE(Load(R"(
    item = CreatePickableItem(nil, 0, 0, 10, 10)
    shadow = CreateShadowBitmap(0, 0, nil)
    cloud = CreateCloud(nil, 0, 1, 0, 0, 0)
    boost = CreateBoost(nil, 0, 0, 10, 10, 1)
  )"));
  ASSERT_NE(Global<Kest::PickableItem>("item"), nullptr);
  EXPECT_EQ(Global<Kest::PickableItem>("item")->GetName(), "");
  for (const char* made : {"shadow", "cloud", "boost"}) EXPECT_EQ(Eval(made), "object") << made;
}

// The item takes the picture from the script, and the space takes both.
TEST_F(SpecialScripts, AnItemsPictureHasOneOwner) {
  ASSERT_TRUE(Load(R"(
    local space = GetApplication():GetSpace()
    item = CreatePickableItem('p', 0, 0, 10, 10)
    picture = CreateSprite('', 1, 8, 8, 1, 10, 0, 0, true)
    item:SetImage(picture)
    item:SetImage(nil)
    space:Insert(item, 'p')
    space:Insert(picture)
    late = CreateSprite('', 1, 8, 8, 1, 10, 0, 0, true)
    item:SetImage(late)
    owned = Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true)
    other = CreatePickableItem('q', 0, 0, 10, 10)
    other:SetImage(owned)
    owned = nil
  )"));
  Kest::Object* picture = Global<Kest::Object>("picture");
  EXPECT_TRUE(Space().Contains(picture));
  EXPECT_EQ(Global<Kest::PickableItem>("item")->GetImage(), picture);
  EXPECT_EQ(LinesWith("SetImage: no object to hand over"), 1);
  EXPECT_EQ(LinesWith("Insert: the object already has an owner"), 1);
  EXPECT_EQ(LinesWith("cannot change once the item is in the level"), 1);
  lua_gc(State(), LUA_GCCOLLECT, 0);
  Kest::PickableItem* other = Global<Kest::PickableItem>("other");
  ASSERT_NE(other->GetImage(), nullptr) << "the collector leaves the item's picture alone";
  EXPECT_EQ(other->GetImage()->GetTexture().GetFileName(), "");
}

// The bike starts at (0, 100) on its own: a star around its chassis is
// collected in the first physics step. A picture that played once and went
// before is left alone (run under AddressSanitizer).
TEST_F(SpecialScripts, TheBikeCollectsAStarAndItsVariableIsSet) {
  ASSERT_TRUE(Load(R"(
    local space = GetApplication():GetSpace()
    star = CreateLevelStar('star1', -10, 90)
    space:Insert(star, 'star1')
    item = CreatePickableItem('item1', -30, 80, 60, 40)
    puff = CreateSprite('', 1, 8, 8, 1, 10, 0, 0, false)
    item:SetImage(puff)
    space:Insert(item)
  )"));
  Kest::Object* starSprite = Global<Kest::PickableItem>("star")->GetImage();
  Kest::GetApplication()->UpdateAndDraw(16.0f, true);  // the play-once picture is done
  Kest::GetApplication()->UpdateAndDraw(16.0f, true);  // and swept
  EXPECT_EQ(Eval("puff"), "object");
  EXPECT_FALSE(Run("puff:GetTexture()")) << "a null handle";
  Play(8);
  Kest::VariableManager& variables = *Kest::VariableManager::GetInstance();
  EXPECT_EQ(variables.GetVariable("star1"), "1");
  EXPECT_EQ(variables.GetVariable("item1"), "1");
  Kest::GetApplication()->UpdateAndDraw(16.0f, true);
  EXPECT_EQ(Space().FindObject("star1"), nullptr);
  EXPECT_FALSE(Space().Contains(starSprite));
}

// The meadow's goals are its three stars and its finish flag.
TEST_F(SpecialScripts, TheMeadowIsFinishedByItsStarsAndItsFlag) {
  Level().Load(std::string(VANTRAIL_SOURCE_DIR) + "/levels/first.lua", true);
  EXPECT_FALSE(trace.Contains("first.lua:")) << "no script error";
  EXPECT_EQ(Level().GetConditionCount(), 4);
  for (const char* goal : {"star1", "star2", "finish", "star3"}) {
    EXPECT_FALSE(Level().IsFinished()) << "before " << goal;
    auto* item = dynamic_cast<Kest::PickableItem*>(Space().FindObject(goal));
    ASSERT_NE(item, nullptr) << goal;
    item->Pick();
  }
  EXPECT_TRUE(Level().IsFinished());
}

// Every special object, kept and dropped, made over and over: nothing is
// freed twice or leaks (leak checking is on for this program).
TEST_F(SpecialScripts, ReloadsOfEverySpecialObjectLeaveNothingBehind) {
  const char* const everything = R"(
    local space = GetApplication():GetSpace()
    space:Insert(CreateBoost('res\\boost.png', 100, 300, 64, 32, 1))
    space:Insert(CreateBoost('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true, true, 2))
    space:Insert(CreateWater(300, 300, 100, 50))
    space:Insert(CreateLevelStar('s1', 200, 200), 's1')
    loose = CreateLevelStar('s2', 200, 200)
    local item = CreatePickableItem('i', 0, 0, 10, 10)
    item:SetImage(Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true))
    space:Insert(item)
    space:Insert(CreateCloud('res\\cloud1.png', 0, -1, 0, 0.5, 0.1), -5)
    space:Insert(CreateCompositeBlock(0, 0, 100, 100, true, false, false, 200, true, 150))
    space:Insert(CreateShadowBitmap(10, 10, 'res\\sign.png'))
    CreateWater(0, 0, 5, 5)
  )";
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(Load(everything));
    Play(8);
  }
  EXPECT_FALSE(trace.Contains("error"));
}

}  // namespace
}  // namespace ScriptTest
