// Boost strips, water and pick-up items around a real bike: which parts of
// the bike set each zone off, and what the zone then does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "game/objects/boost.h"
#include "game/objects/circle.h"
#include "game/objects/pickableitem.h"
#include "game/objects/reaction.h"
#include "game/objects/water.h"
#include "tessora/contactbuffer.h"
#include "tessora/object.h"
#include "tests/bike/bikescene.h"
#include "tests/support/tracecapture.h"

namespace BikeTest {
namespace {

// The zone as the collision pass meets it, with the part as the other
// party.
void Touch(Kest::Object& zone, Kest::Object& part) {
  Tessora::ContactBuffer buffer;
  buffer.Reset(zone.GetBody(), part.GetBody());
  Kest::OnReactionContact(&buffer);
}

float ChassisMass(const Kest::Bike& bike) {
  dMass mass;
  dBodyGetMass(BodyOf(*bike.GetChassis()), &mass);
  return mass.mass;
}

class Zones : public BikeScene {
 protected:
  Zones() {
    bike->PreStep();
    dryChassisMass = ChassisMass(*bike);
    // Driving right, so that a rightward boost kicks.
    dBodySetAngularVel(BodyOf(*bike->GetDrivenWheel()), 0.0f, 0.0f, 0.2f);
    bike->Step(kStepMs);
  }

  // Everything that could touch a zone: the bike's parts and a stranger.
  std::vector<Kest::Object*> Parties() {
    return {bike->GetChassis(), bike->GetFrontWheel(), bike->GetDrivenWheel(),
            bike->GetRider().GetPart(Kest::Rider::kHead), AddBall()};
  }
  Kest::Object* AddBall() {
    auto* ball = new Kest::Circle(500.0f, 0.0f, 10.0f, "", true);
    space.Insert(ball);
    return ball;
  }

  float dryChassisMass = 0.0f;
};

struct ZoneCase {
  const char* name;
  std::function<Kest::Object*()> make;
  std::function<bool(Kest::Bike&, Kest::Object& zone, float dryMass)> reacted;
  std::vector<bool> setOffBy;  // chassis, front wheel, driven wheel, head, stranger
};

TEST_F(Zones, EachZoneReactsToItsOwnTriggersOnly) {
  const std::vector<ZoneCase> cases = {
      {"boost", [] { return new Kest::Boost("", 1, 40, 20, 1, 0.0f, 0, 0, true, false, 1); },
       [](Kest::Bike& b, Kest::Object&, float) { return b.IsShaking(); },
       {true, false, false, false, false}},
      {"water", [] { return new Kest::Water(0, 0, 40, 20); },
       [](Kest::Bike& b, Kest::Object&, float dry) { return ChassisMass(b) > dry * 5.0f; },
       {true, false, false, false, false}},
      {"item", [] { return new Kest::PickableItem("star1", 0, 0, 20, 20); },
       [](Kest::Bike&, Kest::Object& zone, float) { return zone.IsRemoved(); },
       {true, true, true, false, false}},
  };
  const std::vector<Kest::Object*> parties = Parties();
  for (const ZoneCase& zoneCase : cases) {
    for (std::size_t i = 0; i < parties.size(); ++i) {
      std::unique_ptr<Kest::Object> zone(zoneCase.make());
      Touch(*zone, *parties[i]);
      EXPECT_EQ(zoneCase.reacted(*bike, *zone, dryChassisMass), zoneCase.setOffBy[i])
          << zoneCase.name << " touched by party " << i;
      bike->PreStep();
      bike->Step(200.0f);  // the shake is over
    }
  }
}

TEST_F(Zones, ZonesStopNothingThatPassesThrough) {
  Kest::Object* ball = AddBall();
  const float fallFrom = PositionOf(*ball).y;
  space.Insert(new Kest::Water(450.0f, 20.0f, 100.0f, 40.0f));
  Step(600);
  EXPECT_GT(PositionOf(*ball).y, fallFrom + 100.0f) << "the ball fell through the water";
}

TEST_F(Zones, WaterHoldsTheBikeOnlyForTheStepsItsChassisIsIn) {
  const Tessora::Vec2 chassis = bike->GetPosition();
  auto* water = new Kest::Water(chassis.x - 60.0f, chassis.y - 20.0f, 120.0f, 40.0f);
  space.Insert(water);
  Step();
  EXPECT_GT(ChassisMass(*bike), dryChassisMass * 5.0f);
  water->SetRemoved(true);
  space.Erase(std::find(space.begin(), space.end(), water));
  Step();
  EXPECT_FLOAT_EQ(ChassisMass(*bike), dryChassisMass);
}

TEST_F(Zones, ABoostOfKindTwoKicksOnlyABikeDrivingLeft) {
  Kest::Boost right("", 1, 40, 20, 1, 0.0f, 0, 0, true, false, 1);
  Kest::Boost left("", 1, 40, 20, 1, 0.0f, 0, 0, true, false, 2);
  Touch(left, *bike->GetChassis());
  EXPECT_FALSE(bike->IsShaking()) << "facing right";
  Touch(right, *bike->GetChassis());
  EXPECT_TRUE(bike->IsShaking()) << "facing right";
  bike->Step(200.0f);

  bike->TurnAround();
  dBodySetAngularVel(BodyOf(*bike->GetDrivenWheel()), 0.0f, 0.0f, -0.2f);
  bike->Step(kStepMs);
  Touch(right, *bike->GetChassis());
  EXPECT_FALSE(bike->IsShaking()) << "facing left";
  Touch(left, *bike->GetChassis());
  EXPECT_TRUE(bike->IsShaking());
}

TEST_F(Zones, AZoneStillSeesTheWheelsAfterTheBikeTurnsAround) {
  Kest::PickableItem item("star1", 0, 0, 20, 20);
  bike->TurnAround();
  Touch(item, *bike->GetFrontWheel());
  EXPECT_TRUE(item.IsRemoved());
}

TEST_F(Zones, AZoneMadeWithoutABikeHasNoTriggersAndSaysSo) {
  Kest::Object* chassis = bike->GetChassis();
  Kest::Bike::Destroy();
  bike = nullptr;
  TestSupport::TraceCapture trace;
  Kest::Water water(0, 0, 40, 20);
  EXPECT_EQ(trace.Lines().size(), 1u);
  EXPECT_TRUE(trace.Contains("Water"));
  Touch(water, *chassis);  // nothing to react to, nothing to crash on
}

// The bike's parts belong to the space: a zone must not reach a part that
// is gone.
TEST_F(Zones, AZoneForgetsATriggerThatWasDeleted) {
  Kest::PickableItem item("star1", 0, 0, 20, 20);
  Kest::Object* chassis = bike->GetChassis();
  Tessora::Object* chassisBody = chassis->GetBody();
  space.Erase(std::find(space.begin(), space.end(), chassis));
  Tessora::ContactBuffer buffer;
  buffer.Reset(item.GetBody(), chassisBody);
  Kest::OnReactionContact(&buffer);
  EXPECT_FALSE(item.IsRemoved());
}

}  // namespace
}  // namespace BikeTest
