// What the bike tells the level (flips, wheel contacts, the wheelie time, the
// head's crash).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/bike/bikeobserver.h"
#include "game/screens/debugconsole.h"
#include "tests/bike/bikescene.h"

namespace BikeTest {
namespace {

using Kest::BikeObserver;

constexpr float kPi = 3.14159265f;

class EventLog : public BikeObserver {
 public:
  void OnBikeEvent(int kind, Kest::Bike*) override { kinds.push_back(kind); }
  int Count(int kind) const { return int(std::count(kinds.begin(), kinds.end(), kind)); }
  std::vector<int> kinds;
};

class Events : public BikeScene {
 protected:
  Events() { bike->AddObserver(log); }

  // Turns the chassis (radians, clockwise on screen) in 32 even steps, a bike step after each.
  void TurnChassis(float from, float to) {
    for (int i = 0; i <= 32; ++i) {
      dMatrix3 rotation;
      dRFromAxisAndAngle(rotation, 0.0f, 0.0f, 1.0f, from + (to - from) * i / 32.0f);
      dBodySetRotation(BodyOf(*bike->GetChassis()), rotation);
      bike->Step(kStepMs);
    }
  }

  EventLog* log = new EventLog;  // the bike deletes it
};

// A whole turn either way counts once level again; half a turn and back counts nothing.
TEST_F(Events, AWholeTurnCountsOneFlipOnceTheBikeIsLevelAgain) {
  TurnChassis(0.0f, 1.9f * kPi);
  EXPECT_EQ(bike->GetFlips(), 0u) << "not level yet";
  TurnChassis(1.9f * kPi, 2.05f * kPi);
  EXPECT_EQ(bike->GetFlips(), 1u);
  TurnChassis(0.0f, -2.0f * kPi);
  EXPECT_EQ(bike->GetFlips(), 2u) << "the other way round";
  for (const float back : {0.95f * kPi, 0.9f * kPi}) {
    TurnChassis(0.0f, back);
    TurnChassis(back, 0.0f);
  }
  EXPECT_EQ(bike->GetFlips(), 2u);
  EXPECT_EQ(log->Count(BikeObserver::kFlip), 2);
}

// The bounds are floats but pi, a double: atan2's -pi as a float belongs to no quadrant.
TEST(AngleQuadrant, BoundsFollowTheirPrecision) {
  const struct {
    float angle;
    int quadrant;
  } cases[] = {{0.0f, 1},        {1.5707964f, 2}, {3.1415925f, 2},   {3.1415927f, 4},
               {4.712389f, 8},   {6.2831855f, 0}, {-1e-7f, 8},       {-1.5707964f, 8},
               {-1.5707965f, 4}, {-3.1415925f, 4}, {-3.1415927f, 0}, {std::nanf(""), 0}};
  for (const auto& c : cases) EXPECT_EQ(Kest::Bike::AngleQuadrant(c.angle), c.quadrant) << c.angle;
}

// The bike in the air at its start, its head at (0, -25) with radius 20.
TEST_F(Events, TheHeadTouchingACollidableObjectAsksForARestart) {
  AddGround(-10.0f, -40.0f, 20.0f, 20.0f)->SetCollisionMask(0);
  Step();
  EXPECT_FALSE(bike->IsRestartRequested()) << "an object that makes no contacts";
  AddGround(-10.0f, -40.0f, 20.0f, 20.0f)->SetCollisionMask(4);
  Step();
  EXPECT_TRUE(bike->IsRestartRequested());
}

// The rear wheel rests on one block, the front wheel on the other.
class WheelContacts : public Events {
 protected:
  WheelContacts() {
    bike->MoveTo(0.0f, 160.0f);
    Step(300);
  }
  int CountOver10Steps(int kind) {
    log->kinds.clear();
    Step(10);
    return log->Count(kind);
  }
  Kest::Object* rearGround = AddGround(-2000.0f, 200.0f, 2000.0f, 40.0f);
  Kest::Object* frontGround = AddGround(0.0f, 200.0f, 2000.0f, 40.0f);
};

TEST_F(WheelContacts, WheelEventsFollowTheRuleAndTheTarget) {
  EXPECT_EQ(CountOver10Steps(BikeObserver::kFrontWheelCollision), 10) << "any ground, no target";
  bike->SetFrontWheelTarget(frontGround);
  EXPECT_EQ(CountOver10Steps(BikeObserver::kFrontWheelCollision), 0) << "all but the target";
  bike->SetFrontWheelExceptTarget(false);
  EXPECT_EQ(CountOver10Steps(BikeObserver::kFrontWheelCollision), 10) << "only the target";
  bike->SetFrontWheelTarget(rearGround);
  EXPECT_EQ(CountOver10Steps(BikeObserver::kFrontWheelCollision), 0);
  bike->SetFrontWheelTarget(nullptr);
  EXPECT_EQ(CountOver10Steps(BikeObserver::kFrontWheelCollision), 0) << "target kept";
  // The rear wheel reports only its target.
  EXPECT_EQ(CountOver10Steps(BikeObserver::kRearWheelCollision), 0);
  bike->SetRearWheelTarget(rearGround);
  EXPECT_EQ(CountOver10Steps(BikeObserver::kRearWheelCollision), 10);
  bike->TurnAround();  // the wheel on the front ground drives now
  EXPECT_EQ(CountOver10Steps(BikeObserver::kRearWheelCollision), 0);
  bike->SetRearWheelTarget(frontGround);
  EXPECT_EQ(CountOver10Steps(BikeObserver::kRearWheelCollision), 10);
}

TEST_F(WheelContacts, TheWheelieTimeRunsWhileTheFrontWheelTouchesNothingCollidable) {
  const float onGround = bike->GetWheelieTime();
  Step(10);
  EXPECT_EQ(bike->GetWheelieTime(), onGround);
  frontGround->SetCollisionMask(0);  // a gap, the rear wheel still on the ground
  EXPECT_EQ(CountOver10Steps(BikeObserver::kFrontWheelCollision), 0);
  EXPECT_EQ(bike->GetWheelieTime(), onGround + 10 * kStepMs);
  bike->MoveTo(0.0f, -500.0f);  // both wheels brushing only the bike's own parts
  Step(10);
  EXPECT_EQ(bike->GetWheelieTime(), onGround + 20 * kStepMs);
  EXPECT_TRUE(log->kinds.empty());
}

// The debug console shows the bike's own figures after every step: falling, then rearing up on the throttle.
TEST_F(Events, TheConsoleShowsTheBikesOwnFiguresAfterEveryStep) {
  Kest::DebugConsole console;
  AddGround(-2000.0f, 200.0f, 8000.0f, 40.0f);
  for (int steps : {20, 500}) {
    if (steps == 500) bike->SetThrottle(Kest::Bike::kAccelerate);
    Step(steps);
    EXPECT_EQ(console.figures.positionX, bike->GetPosition().x);
    EXPECT_EQ(console.figures.positionY, bike->GetPosition().y);
    EXPECT_EQ(console.figures.speed, bike->GetMotorSpeed());
    EXPECT_EQ(console.figures.wheelie, bike->IsFrontWheelAirborne());
  }
  EXPECT_GT(console.figures.speed, 0.01f);
}

}  // namespace
}  // namespace BikeTest
