// Special objects as level scripts make them: forms, refusals, picture
// ownership, and stars collected in the game's own collision pass.
#include <gtest/gtest.h>
#include <lua.hpp>

#include <vector>

#include "game/level/variablemanager.h"
#include "game/objects/boost.h"
#include "game/objects/pickableitem.h"
#include "tessora/object.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

class SpecialScripts : public ScriptLevel {
 protected:
  template <class T>
  T* Global(const char* name) { return dynamic_cast<T*>(ScriptLevel::Global(name)); }
};

// The short form shows the whole image as one frame, its size truncated, which is the zone's too.
TEST_F(SpecialScripts, CreateBoostTakesTheShortOrTheLongForm) {
  ASSERT_TRUE(Load(R"(
    short = CreateBoost(nil, 10, 20, 64.9, 32.5, 2)
    long = CreateBoost('', 4, 40, 30, 8, 50, 100, 200, false, true, 1)
  )"));
  const Kest::Boost* boosts[] = {Global<Kest::Boost>("short"), Global<Kest::Boost>("long")};
  ASSERT_TRUE(boosts[0] && boosts[1]);
  const Tessora::BoundingBox& shortZone = boosts[0]->GetBody()->GetShape()->GetBox();
  EXPECT_EQ((std::vector<float>{shortZone.minX, shortZone.maxX, shortZone.maxY}),
            (std::vector<float>{10, 74, 52}));
  EXPECT_EQ(boosts[1]->GetBody()->GetShape()->GetBox().maxX, 140.0f);
  EXPECT_EQ(boosts[0]->GetFrameCount(), 1);
  EXPECT_FALSE(Load("CreateBoost('', 1, 2, 3, 4, 5, 6, 7)"));
  EXPECT_TRUE(trace.Contains("error in function 'CreateBoost'."));
}

// Each refusal gives nil and one log line that names the function.
TEST_F(SpecialScripts, NonFiniteNumbersAndShapesWithoutAreaAreRefused) {
  const char* const cases[][2] = {
      {"CreateWater(0/0, 0, 10, 10)", "CreateWater"},
      {"CreateWater(0, 0, 0, 10)", "CreateWater"},
      {"CreatePickableItem('a', 0, 1/0, 10, 10)", "CreatePickableItem"},
      {"CreateLevelStar('a', -1/0, 0)", "CreatePickableItem"},
      {"CreateBoost('', 0, 0, 0.5, 10, 1)", "CreateBoost"},
      {"CreateCloud('', 0, 1/0, 0, 0, 0)", "CreateCloud"},
      {"CreateCompositeBlock(0, 0, 10, -1, true, false, false, 255, false, 100)",
       "CreateCompositeBlock"},
      {"CreateShadowBitmap(0/0, 0, '')", "CreateShadowBitmap"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    const int before = trace.Count(c[1]);
    ASSERT_TRUE(Load(std::string("made = ") + c[0]));
    EXPECT_EQ(Eval("made"), "nil");
    EXPECT_EQ(trace.Count(c[1]), before + 1) << "whatever else the load logs";
  }
}

// The item takes its picture from the script, and the space takes both. Items never hold each other in a ring (they
// would never be freed).
TEST_F(SpecialScripts, AnItemsPictureHasOneOwner) {
  ASSERT_TRUE(Load(R"(
    local space = GetApplication():GetSpace()
    item = CreatePickableItem(nil, 0, 0, 10, 10)
    picture = CreateSprite('', 1, 8, 8, 1, 10, 0, 0, true)
    item:SetImage(picture)
    item:SetImage(nil)
    space:Insert(item)
    space:Insert(picture)
    item:SetImage(CreateSprite('', 1, 8, 8, 1, 10, 0, 0, true))
    other = CreatePickableItem('q', 0, 0, 10, 10)
    other:SetImage(Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true))
    local ring = {CreatePickableItem('r1', 0, 0, 10, 10), CreatePickableItem('r2', 0, 0, 10, 10),
                  CreatePickableItem('r3', 0, 0, 10, 10)}
    ring[1]:SetImage(ring[2])
    ring[2]:SetImage(ring[3])
    ring[3]:SetImage(ring[1])
    ring[2]:SetImage(ring[1])
  )"));
  EXPECT_EQ(Global<Kest::PickableItem>("item")->GetImage(), Global<Kest::Object>("picture"));
  EXPECT_TRUE(Space().Contains(Global<Kest::Object>("picture")));
  for (const char* refusal : {"SetImage: no object to hand over",
                              "Insert: the object already has an owner",
                              "cannot change once the item is in the level"}) {
    EXPECT_TRUE(trace.Contains(refusal)) << refusal;
  }
  EXPECT_EQ(trace.Count("nor that of an item it is the image of"), 2);
  lua_gc(State(), LUA_GCCOLLECT, 0);
  EXPECT_NE(Global<Kest::PickableItem>("other")->GetImage(), nullptr) << "not the collector's";
}

// Stars around the bike's chassis at (0, 100) are collected in the first steps;
// a play-once picture that went before is left alone, its script value null.
TEST_F(SpecialScripts, TheBikeCollectsStarsAndTheirVariablesAreSet) {
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
  EXPECT_EQ(Global<Kest::PickableItem>("item")->GetImage(), nullptr);
  EXPECT_FALSE(Run("puff:GetTexture()"));
  Play(8);
  EXPECT_EQ(Kest::VariableManager::GetInstance()->GetVariable("star1"), "1");
  EXPECT_EQ(Kest::VariableManager::GetInstance()->GetVariable("item1"), "1");
  Kest::GetApplication()->UpdateAndDraw(16.0f, true);
  EXPECT_EQ(Space().FindObject("star1"), nullptr);
  EXPECT_FALSE(Space().Contains(starSprite));
}

}  // namespace
}  // namespace ScriptTest
