// The bike's figures on the debug console are the bike's own after every
// step: falling, landed, and rearing up on the throttle.
#include <gtest/gtest.h>

#include "game/screens/debugconsole.h"
#include "tests/bike/bikescene.h"

namespace BikeTest {
namespace {

class ConsoleFigures : public BikeScene {
 protected:
  void ExpectFiguresOfTheBike(bool frontWheelUp) const {
    ASSERT_EQ(bike->IsFrontWheelAirborne(), frontWheelUp);
    EXPECT_EQ(console.figures.positionX, bike->GetPosition().x);
    EXPECT_EQ(console.figures.positionY, bike->GetPosition().y);
    EXPECT_EQ(console.figures.speed, bike->GetMotorSpeed());
    EXPECT_EQ(console.figures.wheelie, frontWheelUp);
  }

  Kest::DebugConsole console;
};

TEST_F(ConsoleFigures, AreTheBikesOwnAfterEveryStep) {
  AddGround(-2000.0f, 200.0f, 8000.0f, 40.0f);
  bike->MoveTo(0.0f, 100.0f);
  Step(20);
  ExpectFiguresOfTheBike(true);
  Step(380);
  ExpectFiguresOfTheBike(false);
  bike->SetThrottle(Kest::Bike::kAccelerate);
  Step(100);
  ASSERT_GT(bike->GetMotorSpeed(), 0.01f);
  ExpectFiguresOfTheBike(true);
}

}  // namespace
}  // namespace BikeTest
