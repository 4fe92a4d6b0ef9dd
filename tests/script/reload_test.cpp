// A thousand loads of a level making every kind of object, each played a few steps: nothing freed twice
// or leaked, and the engine's memory stays flat.
#include <gtest/gtest.h>

#include "game/level/eventmanager.h"
#include "script/scriptmanager.h"
#include "tests/script/scriptlevel.h"

namespace ScriptTest {
namespace {

constexpr int kLoads = 1000;

const char* const kEverything = R"(
local space = GetApplication():GetSpace()
local function keep(object, name) space:Insert(object, name) return object end
keep(CreateCircle(100, 100, 10, 'res\\wheel.png', true), 'ball')
keep(CreateLine(0, 400, 800, 420, ''))
keep(CreateBlock(0, 450, 800, 40, '', false), 'ground')
keep(CreateArc(300, 300, 80, 2, ''))
keep(CreateArc(500, 300, 80, 40, 3, ''))
local composite = CreateComposite(200, 200, '')
composite:AddLine(0, 0, 40, 0) composite:AddCircle(20, 20, 10) composite:AddBlock(0, 30, 40, 10)
composite:Finalize()
keep(composite, 'composite')
AnchorCenter(composite)
AddMotor(composite, 2)
local turned = keep(CreateBlock(600, 300, 60, 10, 'res\\body.png', false))
RotateObject(turned, 30)
keep(CreateTriangle(0, 0, 50, 0, 25, 40))
keep(CreateBitmap(10, 10, 'res\\objective.png'))
keep(CreateSprite('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true))
keep(CreateRope(10, 100, 300, 300, 300, 250, 0.5))
keep(CreateRope(10, 100, 200, 300, 200, 250, 0.5, 20, 1, 2, 3, 4, 5, 6, 7, 8))
local dynamic = CreateCircle(0, 0, 10, '', true)
RegisterObject(dynamic, 'dynamic')
RegisterObject(CreateBlock(0, 0, 20, 20, '', false), 'crate')
RegisterObject(CreateSprite('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, false), 'puff')
keep(CloneObject('dynamic', 40, 40))
keep(CloneObject('crate', 60, 60))
keep(CloneSprite('puff'))
owned = Kest.Sprite:new_local('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true)
called = Kest.Composite(0, 0, nil, true)
keep(Kest.Sprite:new_local('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true))
kept = Kest.Sprite:new('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true)
forgotten = CreateCircle(0, 0, 5, '', true)
CreateRope(10, 100, 300, 300, 300, 250, 0)
GetLevel():Add(CreateVariableCondition('done'))
loose = CreateVariableCondition('loose')
SetVariable('laps', '7') IncreaseVariable('laps') SetVariable('flag')
SetLevelTime(60)
AddObjective('Reach the end')
GetBike():MoveTo(50, 100)
space:Insert(CreateBoost('res\\boost.png', 100, 300, 64, 32, 1))
space:Insert(CreateBoost('res\\smoke.png', 4, 32, 32, 8, 50, 0, 0, true, true, 2))
space:Insert(CreateWater(0, 80, 100, 50))
space:Insert(CreateLevelStar('s1', 40, 90), 's1')
looseStar = CreateLevelStar('s2', 200, 200)
local item = CreatePickableItem('i', 0, 0, 10, 10)
item:SetImage(Kest.Sprite:new_local('', 1, 8, 8, 1, 10, 0, 0, true))
space:Insert(item)
space:Insert(CreateCloud('res\\cloud1.png', 0, -1, 0, 0.5, 0.1), -5, '')
space:Insert(CreateCompositeBlock(0, 0, 100, 100, true, false, false, 200, true, 150))
space:Insert(CreateShadowBitmap(10, 10, 'res\\sign.png'))
CreateWater(0, 0, 5, 5)
)";

class Reload : public ScriptLevel {};

TEST_F(Reload, AThousandLoadsOfEverythingLeaveNothingBehind) {
  ASSERT_TRUE(Load(kEverything));
  const std::size_t firstMemory = Kest::ScriptManager::GetInstance()->GetMemoryInUse();
  for (int i = 1; i < kLoads; ++i) {
    Load(kEverything);
    Play(8);
  }
  EXPECT_TRUE(Load(kEverything));
  EXPECT_FALSE(trace.Contains("error"));
  // The engine's memory is one state's: the old ones are gone.
  EXPECT_LT(Kest::ScriptManager::GetInstance()->GetMemoryInUse(), firstMemory * 11 / 10);
  EXPECT_NE(Space().FindObject("composite"), nullptr);
}

// Events refused by the game (here, as there are no events to add to) take their conditions with them: the
// sanitizer build's leak check sees any left behind.
TEST_F(Reload, RefusedEventsLeaveNoConditionBehind) {
  ASSERT_TRUE(Load("a = CreateCircle(0, 0, 5, '', true) b = CreateCircle(9, 0, 5, '', true)"));
  Kest::EventManager::Destroy();
  EXPECT_TRUE(Run("EventXGreater(nil, 1, 'x') EventYGreater(nil, 1, 'x') EventXLess(nil, 1, 'x') "
                  "EventYLess(nil, 1, 'x') EventBox(nil, 0, 0, 1, 1, 'x') EventFlipped('x') "
                  "EventCollision(a, b, 'x') EventRearWheelCollision(a, 'x', true) EventVariableTriggered('v', 'x')"));
  Kest::EventManager::Create();
  EXPECT_TRUE(Run("SetVariable('v')"));
  EXPECT_TRUE(Load(""));
}

}  // namespace
}  // namespace ScriptTest
