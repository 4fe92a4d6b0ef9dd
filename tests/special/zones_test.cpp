// Boost strips, water and pick-up items around a real bike: which parts set
// each zone off, what it does, and who owns an item's picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "game/level/variablemanager.h"
#include "game/objects/block.h"
#include "game/objects/boost.h"
#include "game/objects/circle.h"
#include "game/objects/pickableitem.h"
#include "game/objects/water.h"
#include "tessora/contactbuffer.h"
#include "tests/bike/bikescene.h"
#include "tests/support/tracecapture.h"

namespace BikeTest {
namespace {

// The collision pass meeting the zone, with that body as the other party.
void Touch(Kest::Object& zone, Tessora::Object* body) {
  Tessora::ContactBuffer buffer;
  buffer.Reset(zone.GetBody(), body);
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
    dry = ChassisMass(*bike);
    DriveAt(0.2f);  // rightward: a rightward boost kicks
  }
  void DriveAt(float turning) {
    dBodySetAngularVel(BodyOf(*bike->GetDrivenWheel()), 0.0f, 0.0f, turning);
    bike->Step(kStepMs);
  }
  bool InWater() const { return ChassisMass(*bike) > dry * 5.0f; }
  Kest::Block* Picture() {
    auto* picture = new Kest::Block(0, 0, 20, 20, "", false);
    picture->AddObserver(&witness);
    return picture;
  }
  ~Zones() override { space.Clear(); }  // the pictures go while their witness lives

  float dry = 0.0f;
  TestSupport::Witness witness;
};

TEST_F(Zones, EachZoneReactsToItsOwnTriggersOnly) {
  auto* stranger = AddGround(500, 0, 10, 10);
  const struct {
    std::function<Kest::Object*()> make;
    std::function<bool(Kest::Object&)> reacted;
    std::vector<bool> setOffBy;  // chassis, front wheel, driven wheel, head, stranger
  } cases[] = {
      {[] { return new Kest::Boost("", 1, 40, 20, 1, 0, 0, 0, true, false, 1); },
       [&](Kest::Object&) { return bike->IsShaking(); }, {true, false, false, false, false}},
      {[] { return new Kest::Water(0, 0, 40, 20); }, [&](Kest::Object&) { return InWater(); },
       {true, false, false, false, false}},
      {[] { return new Kest::PickableItem("star1", 0, 0, 20, 20); },
       [](Kest::Object& zone) { return zone.IsRemoved(); }, {true, true, true, false, false}},
  };
  const Kest::Object* parties[] = {bike->GetChassis(), bike->GetFrontWheel(),
                                   bike->GetDrivenWheel(),
                                   bike->GetRider().GetPart(Kest::Rider::kHead), stranger};
  for (const auto& c : cases) {
    for (int i = 0; i < 5; ++i) {
      std::unique_ptr<Kest::Object> zone(c.make());
      Touch(*zone, parties[i]->GetBody());
      EXPECT_EQ(c.reacted(*zone), c.setOffBy[i]) << "party " << i;
      bike->PreStep();
      bike->Step(200.0f);  // the shake is over
    }
  }
}

TEST_F(Zones, ZonesStopNothingThatPassesThrough) {
  auto* ball = new Kest::Circle(500.0f, 0.0f, 10.0f, "", true);
  space.Insert(ball);
  space.Insert(new Kest::Water(450.0f, 20.0f, 100.0f, 40.0f));
  Step(600);
  EXPECT_GT(PositionOf(*ball).y, 100.0f);
}

TEST_F(Zones, WaterHoldsTheBikeOnlyWhileItsChassisIsIn) {
  const Tessora::Vec2 at = bike->GetPosition();
  auto* water = new Kest::Water(at.x - 60.0f, at.y - 20.0f, 150.0f, 40.0f);
  space.Insert(water);
  Step();
  EXPECT_TRUE(InWater());
  space.Erase(std::find(space.begin(), space.end(), water));
  Step();
  EXPECT_FALSE(InWater());
}

TEST_F(Zones, ABoostKicksOnlyABikeDrivingItsWay) {
  Kest::Boost right("", 1, 40, 20, 1, 0, 0, 0, true, false, 1);
  DriveAt(0.0f);
  Touch(right, bike->GetChassis()->GetBody());
  EXPECT_FALSE(bike->IsShaking()) << "a standing bike";
  Kest::Boost left("", 1, 40, 20, 1, 0, 0, 0, true, false, 2);
  DriveAt(0.2f);
  Touch(left, bike->GetChassis()->GetBody());
  EXPECT_FALSE(bike->IsShaking()) << "facing right";
  bike->TurnAround();
  DriveAt(-0.2f);
  Touch(left, bike->GetChassis()->GetBody());
  EXPECT_TRUE(bike->IsShaking());
}

// A zone keeps no part that is gone, and without a bike it has none.
TEST_F(Zones, AZoneReachesNoTriggerThatIsGone) {
  Kest::PickableItem item("star1", 0, 0, 20, 20);
  Tessora::Object* chassis = bike->GetChassis()->GetBody();
  space.Erase(std::find(space.begin(), space.end(), bike->GetChassis()));
  Touch(item, chassis);
  EXPECT_FALSE(item.IsRemoved());

  Kest::Bike::Destroy();
  TestSupport::TraceCapture trace;
  Kest::Water water(0, 0, 40, 20);
  EXPECT_EQ(trace.Lines().size(), 1u);
  EXPECT_TRUE(trace.Contains("Water"));
}

TEST_F(Zones, AnItemHoldsItsPictureUntilTheSpaceTakesBoth) {
  TestSupport::TraceCapture trace;
  auto* lonely = new Kest::PickableItem("a", 0, 0, 20, 20);
  lonely->SetImage(Picture());
  EXPECT_FALSE(lonely->SetImage(lonely));
  EXPECT_TRUE(lonely->SetImage(Picture()));
  EXPECT_EQ(witness.destroyed, 1) << "the replaced picture";
  delete lonely;
  EXPECT_EQ(witness.destroyed, 2);

  auto* item = new Kest::PickableItem("b", 0, 0, 20, 20);
  Kest::Block* picture = Picture();
  item->SetImage(picture);
  space.Insert(item, 3, "star");
  EXPECT_EQ(picture->GetDepth(), 3.0f);
  EXPECT_EQ(space.FindObject("star"), item);
  EXPECT_FALSE(item->SetImage(nullptr));
  EXPECT_EQ(trace.Lines().size(), 2u);
  item->SetRemoved(true);
  Sweep();
  EXPECT_TRUE(space.Contains(picture));
}

// The item stays in the world until the sweep; touched again, it is collected once.
TEST_F(Zones, CollectingSetsTheVariableAndRemovesTheItemAndItsPictureOnce) {
  Kest::VariableManager::Create();
  struct : Kest::VariableObserver {
    using VariableObserver::VariableObserver;
    void OnVariableChanged(const std::string&) override { ++changes; }
    int changes = 0;
  } star{"star1"};
  Kest::VariableManager::GetInstance()->AddObserver(&star);
  auto* item = new Kest::PickableItem("star1", 0, 0, 20, 20);
  Kest::Block* picture = Picture();
  item->SetImage(picture);
  space.Insert(item);
  Touch(*item, bike->GetChassis()->GetBody());
  Touch(*item, bike->GetChassis()->GetBody());
  EXPECT_EQ(Kest::VariableManager::GetInstance()->GetVariable("star1"), "1");
  EXPECT_EQ(star.changes, 1);
  EXPECT_TRUE(item->IsRemoved() && picture->IsRemoved());
  Kest::VariableManager::Destroy();
}

}  // namespace
}  // namespace BikeTest
