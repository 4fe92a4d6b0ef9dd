// The bike and rider as built, turned around, moved and replaced.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "game/bike/bikeobserver.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/circle.h"
#include "tessora/object.h"
#include "tests/bike/bikescene.h"

namespace BikeTest {
namespace {

using Kest::Rider;

constexpr float kTolerance = 1e-3f;

void ExpectAt(const Kest::Object* object, float x, float y) {
  EXPECT_NEAR(PositionOf(*object).x, x, kTolerance);
  EXPECT_NEAR(PositionOf(*object).y, y, kTolerance);
}

Tessora::Vec2 SliderAxis(const Kest::Object* head, const Kest::Object* chassis) {
  dVector3 axis;
  dJointGetSliderAxis(FindJoint(BodyOf(*head), BodyOf(*chassis), dJointTypeSlider), axis);
  return Tessora::Vec2(axis[0], axis[1]);
}

// What differs between a bike facing right and one facing left.
struct Facing {
  const char *drivenWheel, *freeWheel;
  float bodyX, bodyDegrees, pictureX;
  bool mirrored;
};
const Facing kRight{"rearwheel", "frontwheel", -11, 290, -2, false};
const Facing kLeft{"frontwheel", "rearwheel", 11, 250, 2, true};

class Construction : public BikeScene {
 protected:
  Kest::Object* Part(Rider::Part part) const { return bike->GetRider().GetPart(part); }
  Kest::Object* Chassis() const { return bike->GetChassis(); }
  bool Drives(const char* wheel) const {
    return FindJoint(BodyOf(*space.FindObject(wheel)), nullptr, dJointTypeAMotor) != nullptr;
  }
  // The wheels stay; the motor, the rider's pose and his pictures turn.
  void ExpectFacing(const Facing& facing) {
    EXPECT_EQ(bike->GetDrivenWheel(), space.FindObject(facing.drivenWheel));
    EXPECT_TRUE(Drives(facing.drivenWheel));
    EXPECT_FALSE(Drives(facing.freeWheel));
    ExpectAt(space.FindObject("rearwheel"), -50, 100);
    ExpectAt(Part(Rider::kBody), facing.bodyX, 23);
    EXPECT_NEAR(TurnOf(*Part(Rider::kBody)), (facing.bodyDegrees - 360) * kRadiansPerDegree, kTolerance);
    const Kest::Bitmap* picture = TestSupport::ObjectsOfType<Kest::Bitmap>(space).at(0);
    EXPECT_EQ(picture->GetX(), facing.pictureX);
    EXPECT_EQ(picture->GetTexture().GetRenderMode() != nullptr, facing.mirrored);
    // The head is mirrored sideways, the foot upside down.
    const Kest::Texture& head = Part(Rider::kHead)->GetTexture();
    const Kest::Texture& foot = Part(Rider::kFoot)->GetTexture();
    EXPECT_EQ(head.GetRenderMode() ? head.GetFlipMode() : -1, facing.mirrored ? 0 : -1);
    EXPECT_EQ(foot.GetRenderMode() ? foot.GetFlipMode() : -1, facing.mirrored ? 1 : -1);
    EXPECT_EQ(dBodyGetNumJoints(BodyOf(*Chassis())), 7) << "two hinges, two brakes, the slider, foot and hand";
  }
};

// Two wheels hinged to an invisible chassis that touches nothing; the rider touches with his head only.
TEST_F(Construction, TheBikeStandsAtTheStartWithOnlyTheRidersHeadAndTheWheelsTouchingTheLevel) {
  EXPECT_EQ(space.FindObject("driver"), Chassis());
  ExpectAt(Chassis(), 0, 100);
  EXPECT_FALSE(Chassis()->IsVisible());
  ExpectAt(Part(Rider::kHead), 0, -25);
  EXPECT_EQ(Part(Rider::kHead)->GetBody()->surface.collisionMask, 0xFFFFFFFFu);
  std::vector<const Kest::Object*> passing = {Chassis()};
  for (int part = Rider::kBody; part < Rider::kPartCount; ++part) passing.push_back(Part(Rider::Part(part)));
  for (int piece = 0; piece < Rider::kHairPieces; ++piece) passing.push_back(bike->GetRider().GetHairPiece(piece));
  for (const Kest::Object* part : passing) EXPECT_EQ(part->GetBody()->surface.collisionMask, 0u);
  EXPECT_NEAR(SliderAxis(Part(Rider::kHead), Chassis()).y, 1.0f, kTolerance);
  ExpectFacing(kRight);
}

TEST_F(Construction, TurningAroundMirrorsTheRiderAndMovesTheMotorAndASecondTurnRestores) {
  bike->TurnAround();
  ExpectFacing(kLeft);
  ExpectAt(bike->GetRider().GetHairPiece(0), 23, -55);
  bike->TurnAround();
  ExpectFacing(kRight);
}

// The head slides along the chassis's own up-down axis, also when rebuilt on a tilted bike.
TEST_F(Construction, ARiderRebuiltOnATiltedChassisFollowsItsTurn) {
  Chassis()->GetBody()->SetAngle(90.0f);
  bike->TurnAround();
  ExpectAt(Part(Rider::kHead), 125, 100);
  EXPECT_NEAR(TurnOf(*Part(Rider::kHead)), 90.0f * kRadiansPerDegree, kTolerance);
  ExpectAt(Part(Rider::kBody), 77, 111);
  EXPECT_NEAR(std::fabs(SliderAxis(Part(Rider::kHead), Chassis()).x), 1.0f, kTolerance);
}

// The shapes follow the solver before the rider is seated; nothing keeps moving.
TEST_F(Construction, MovingTheBikePlacesItLevelAndStopsEveryPart) {
  Chassis()->GetBody()->SetAngle(30.0f);
  Step(40);
  bike->TurnAround();
  bike->MoveTo(500, 300);
  ExpectAt(space.FindObject("rearwheel"), 450, 300);
  EXPECT_NEAR(Chassis()->GetBody()->GetShape()->GetBox().maxY, 302.0f, kTolerance);
  ExpectAt(Part(Rider::kHead), 500, 175);
  for (Kest::Object* object : space) {
    const Tessora::Object* physics = object->GetBody();
    if (!physics || !physics->IsDynamic()) continue;
    for (const dReal* motion : {dBodyGetLinearVel(physics->GetBody()), dBodyGetAngularVel(physics->GetBody())})
      EXPECT_EQ(std::fabs(motion[0]) + std::fabs(motion[1]) + std::fabs(motion[2]), 0.0f);
  }
}

// Counts its deletions and leaves the bike when it goes, as the level's bike conditions do.
class Listener : public Kest::BikeObserver {
 public:
  explicit Listener(int& deletions) : deletions_(deletions) {}
  ~Listener() override {
    ++deletions_;
    if (Kest::Bike* bike = Kest::Bike::GetInstance()) bike->RemoveObserver(this);
  }
  void OnBikeEvent(int, Kest::Bike*) override { ++events; }
  int events = 0;

 private:
  int& deletions_;
};

// Told once however often added; a new bike deletes the old one's observers, each once.
TEST_F(Construction, ObserversAreToldOnceAndGoWithTheBikeExactlyOnce) {
  int deletions = 0;
  auto* leaving = new Listener(deletions);
  auto* staying = new Listener(deletions);
  bike->AddObserver(leaving);
  bike->AddObserver(staying);
  bike->AddObserver(staying);
  bike->NotifyObservers(Kest::BikeObserver::kFlip);
  EXPECT_EQ(staying->events, 1);
  delete leaving;
  bike = Kest::Bike::Create(space);
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(Kest::Bike::GetInstance(), bike);
}

// The level's countdown asks for the restart from the timer thread.
TEST_F(Construction, ARestartAskedFromAnotherThreadReachesTheMainLoopAndANewBikeForgetsIt) {
  std::thread([this] { bike->RestartLevel(); }).join();
  EXPECT_TRUE(bike->IsRestartRequested());
  bike = Kest::Bike::Create(space);
  EXPECT_FALSE(bike->IsRestartRequested());
}

}  // namespace
}  // namespace BikeTest
