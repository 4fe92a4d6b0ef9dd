// A level that watches one of the bike's wheels for collisions: the watch
// and the bike's own wheel handling both hear every contact.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/bike/bikeobserver.h"
#include "game/level/bikecondition.h"
#include "game/level/collisioncondition.h"
#include "game/objects/circle.h"
#include "tests/level/levelfixtures.h"

namespace LevelTest {
namespace {

// Standing on level ground, the rear wheel on one block and the front wheel
// on the other.
class WheelWatch : public BikeLevel {
 protected:
  WheelWatch() {
    bike->MoveTo(0.0f, 160.0f);
    Step(300);
    Events().AddEvent(nullptr, new Kest::BikeCondition(Kest::BikeObserver::kFrontWheelCollision),
                      "front wheel", false);
  }
  int Count(const char* text) const { return int(std::count(ran.begin(), ran.end(), text)); }

  Kest::Object* rearGround = AddGround(-2000.0f, 200.0f, 2000.0f, 40.0f);
  Kest::Object* frontGround = AddGround(0.0f, 200.0f, 2000.0f, 40.0f);
};

TEST_F(WheelWatch, AWatchedFrontWheelKeepsItsWheelieTimeAndWheelEvents) {
  const float wheelie = bike->GetWheelieTime();
  Events().AddEvent(nullptr, new Kest::CollisionCondition(bike->GetFrontWheel(), frontGround),
                    "watched", false);
  Step(100);
  EXPECT_EQ(Count("watched"), 100);
  EXPECT_EQ(Count("front wheel"), 100);
  EXPECT_EQ(bike->GetWheelieTime(), wheelie) << "the front wheel never left the ground";
}

// Switching the watch off gives the wheel its own handling back alone.
TEST_F(WheelWatch, SwitchingTheWatchOffLeavesTheWheelsOwnHandling) {
  Kest::Object* wheel = bike->GetFrontWheel();
  wheel->EnableCollisionCallback(true);
  wheel->EnableCollisionCallback(true);
  wheel->EnableCollisionCallback(false);
  const float wheelie = bike->GetWheelieTime();
  Step(50);
  EXPECT_EQ(Count("front wheel"), 50);
  EXPECT_EQ(bike->GetWheelieTime(), wheelie);
}

}  // namespace
}  // namespace LevelTest
