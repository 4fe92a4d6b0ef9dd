// Physics objects and joints in a world, and a scene that replays.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/tracecapture.h"
#include "tests/tessora/testworld.h"

namespace {

using Tessora::Block;
using Tessora::Circle;
using Tessora::Vec2;
using TessoraTest::ExpectNear;

using World = TessoraTest::WorldTest;

float Spin(const Tessora::Object& o) { return dBodyGetAngularVel(o.GetBody())[2]; }

Vec2 BoxCentre(const Tessora::Shape& shape) {
  const Tessora::BoundingBox& box = shape.GetBox();
  return Vec2(box.minX + box.maxX, box.minY + box.maxY) * 0.5f;
}

// A 4 by 2 block turned either way, static or driven by a body; the box
// corner given is the bottom right, the box symmetric about the centre.
TEST_F(World, SetAngleTurnsStaticAndDynamicObjectsAlike) {
  const struct { float degrees; Vec2 orientation, boxCorner; } cases[] = {
      {90, {0, 1}, {1, 2}},
      {-30, {0.8660254f, -0.5f}, {2.2320508f, 1.8660254f}},
      {-135, {-0.7071068f, -0.7071068f}, {2.1213203f, 2.1213203f}},
  };
  auto moving = MakeDynamic(new Block(Vec2(0, 0), 4, 2));
  Tessora::Static<Block> fixed(new Block(Vec2(0, 0), 4, 2));
  for (Tessora::Object* o : std::vector<Tessora::Object*>{moving.get(), &fixed}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << (o->IsDynamic() ? "dynamic " : "static ") << c.degrees);
      o->SetAngle(c.degrees);
      ExpectNear(o->GetShape()->GetOrientation(), c.orientation);
      const Tessora::BoundingBox& box = o->GetShape()->GetBox();
      ExpectNear(Vec2(box.maxX, box.maxY), c.boxCorner);
      ExpectNear(Vec2(box.minX, box.minY), -c.boxCorner);
    }
    o->SetPosition(Vec2(10, 0));
    ExpectNear(BoxCentre(*o->GetShape()), Vec2(10, 0));
  }
}

// Twelve balls piling up in a V: the poses they end at.
std::vector<float> PileUp() {
  TessoraTest::TestWorld test;
  Tessora::Static<Tessora::Line> left(new Tessora::Line(Vec2(-100, 0), Vec2(0, 100)));
  Tessora::Static<Tessora::Line> right(new Tessora::Line(Vec2(0, 100), Vec2(100, 0)));
  std::vector<std::unique_ptr<Tessora::Object>> balls;
  std::vector<Tessora::Object*> objects{&left, &right};
  for (int i = 0; i < 12; ++i) {
    balls.push_back(test.MakeDynamic(new Circle(Vec2(-30 + 5.5f * i, 10 - 9.0f * (i % 3)), 5)));
    objects.push_back(balls.back().get());
  }
  test.Advance(300, objects);
  std::vector<float> poses;
  for (const auto& ball : balls) {
    const dReal* p = dBodyGetPosition(ball->GetBody());
    poses.insert(poses.end(), {p[0], p[1], dBodyGetRotation(ball->GetBody())[0]});
  }
  return poses;
}

// A restarted level rides exactly as it did the first time.
TEST(Replay, SameSceneInAFreshWorldEndsTheSame) {
  const std::vector<float> first = PileUp();
  EXPECT_EQ(PileUp(), first);
}

TEST_F(World, BrakeHoldsAWheelAndAMotorDrivesIt) {
  auto braked = MakeDynamic(new Circle(Vec2(0, 0), 30));
  braked->SetMass(0.01f);
  world.CreateAnchor(braked.get(), Vec2(0, 0), 10000, 0.2f);
  auto driven = MakeDynamic(new Circle(Vec2(100, 0), 30));
  world.CreateAnchor(driven.get(), Vec2(100, 0), 0, 0.2f);
  Tessora::SetMotorSpeed(world.CreateMotor(driven.get()), 1.7f);
  for (int i = 0; i < 50; ++i) {
    dBodyAddTorque(braked->GetBody(), 0, 0, 5000);
    Advance(1);
  }
  EXPECT_NEAR(Spin(*braked), 0, 1e-3f);
  EXPECT_NEAR(Spin(*driven), 1.7f, 1e-3f);
}

TEST_F(World, HingeGetsABrakeOnlyWhenAskedAndLetsGoOfADeletedBody) {
  auto a = MakeDynamic(new Circle(Vec2(0, 0), 1));
  auto b = MakeDynamic(new Circle(Vec2(2, 0), 1));
  world.CreateHinge(a.get(), b.get(), Vec2(1, 0), 0, 0.2f);
  EXPECT_EQ(dBodyGetNumJoints(b->GetBody()), 1);
  world.CreateHinge(a.get(), b.get(), Vec2(1, 0), 5, 0.2f);
  EXPECT_EQ(dBodyGetNumJoints(b->GetBody()), 3);
  a.reset();
  EXPECT_EQ(dBodyGetNumJoints(b->GetBody()), 0);
}

TEST_F(World, JointsOnMissingObjectsAreRefusedWithOneLineEach) {
  TestSupport::TraceCapture trace;
  auto body = MakeDynamic(new Circle(Vec2(0, 0), 1));
  Tessora::Static<Circle> fixed(new Circle(Vec2(5, 0), 1));
  EXPECT_EQ(world.CreateHinge(nullptr, body.get(), Vec2(0, 0), 5, 0.2f), nullptr);
  EXPECT_EQ(world.CreateHinge(body.get(), nullptr, Vec2(0, 0), 0, 0.2f), nullptr);
  EXPECT_EQ(world.CreateAnchor(nullptr, Vec2(0, 0), 5, 0.2f), nullptr);
  EXPECT_EQ(world.CreateMotor(nullptr), nullptr);
  EXPECT_EQ(world.CreateMotor(&fixed), nullptr);
  Tessora::SetMotorSpeed(nullptr, 1.0f);
  EXPECT_EQ(trace.Lines().size(), 5u);
  EXPECT_EQ(dBodyGetNumJoints(body->GetBody()), 0);
}

// How much of its distance from the anchor a body knocked off it wins back
// in one step: our solver build holds each joint to its own ERP.
float PullBack(float erp) {
  TessoraTest::TestWorld test;
  test.world.SetGravity(Vec2(0, 0));
  auto ball = test.MakeDynamic(new Circle(Vec2(5, 3), 1));
  test.world.CreateAnchor(ball.get(), Vec2(5, 3), 0, erp);
  dBodySetPosition(ball->GetBody(), 6, 3, 0);
  test.Advance(1);
  return 6 - dBodyGetPosition(ball->GetBody())[0];
}

TEST(Joints, StepperHoldsEachJointToItsOwnErp) {
  EXPECT_NEAR(PullBack(0.03f), 0.03f, 0.003f);
  EXPECT_NEAR(PullBack(0.6f), 0.6f, 0.06f);
  Tessora::World world;  // a joint takes the world's ERP when created
  world.SetERP(0.37f);
  dJointID early = dJointCreateBall(world.GetWorldID(), nullptr);
  world.SetERP(0.5f);
  EXPECT_FLOAT_EQ(dJointGetERP(early), 0.37f);
}

}  // namespace
