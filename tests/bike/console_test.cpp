// The bike's figures on the debug console: after every step they are the
// bike's own, in the air and on the ground.
#include <gtest/gtest.h>

#include "game/screens/debugconsole.h"
#include "tests/bike/bikescene.h"

namespace BikeTest {
namespace {

class ConsoleFigures : public BikeScene {
 protected:
  void ExpectFiguresOfTheBike() const {
    const Kest::ConsoleFigures& figures = console.figures;
    EXPECT_EQ(figures.positionX, bike->GetPosition().x);
    EXPECT_EQ(figures.positionY, bike->GetPosition().y);
    EXPECT_EQ(figures.speed, bike->GetMotorSpeed());
    EXPECT_EQ(figures.wheelie, bike->IsFrontWheelAirborne());
  }

  Kest::DebugConsole console;
};

TEST_F(ConsoleFigures, EveryStepShowsWhereTheBikeIsHowFastItsWheelTurnsAndWhetherItsFrontWheelIsUp) {
  AddGround(-2000.0f, 200.0f, 8000.0f, 40.0f);
  bike->MoveTo(0.0f, 100.0f);
  Step(20);
  ASSERT_TRUE(bike->IsFrontWheelAirborne()) << "still falling";
  ExpectFiguresOfTheBike();

  Step(380);
  ASSERT_FALSE(bike->IsFrontWheelAirborne()) << "landed";
  ExpectFiguresOfTheBike();

  // The throttle lifts the front wheel at once.
  bike->SetThrottle(Kest::Bike::kAccelerate);
  Step(100);
  ASSERT_TRUE(bike->IsFrontWheelAirborne());
  ASSERT_GT(bike->GetMotorSpeed(), 0.01f);
  ExpectFiguresOfTheBike();
}

}  // namespace
}  // namespace BikeTest
