// Physics objects and joints in a world set up as the game sets it up.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "tessora/dynamic.h"
#include "tessora/static.h"
#include "tests/support/tracecapture.h"
#include "tests/tessora/gameworld.h"

namespace {

using Tessora::Vec2;

class GameWorld : public ::testing::Test {
 protected:
  GameWorld() { TessoraTest::ApplyGameSettings(world); }

  template <class T>
  std::unique_ptr<Tessora::Dynamic<T>> MakeDynamic(T* shape) {
    return std::make_unique<Tessora::Dynamic<T>>(shape, world.CreateBody());
  }

  void Run(int steps, const std::vector<Tessora::Object*>& objects = {}) {
    for (int i = 0; i < steps; ++i) {
      world.CollideObjects(objects);
      world.Step(TessoraTest::kGameStep);
    }
  }

  Tessora::World world;
};

float Spin(const Tessora::Object& o) { return dBodyGetAngularVel(o.GetBody())[2]; }

TEST_F(GameWorld, DynamicBodyStartsAtTheShapesPose) {
  auto* block = new Tessora::Block(Vec2(3, 4), 2, 1);
  block->SetOrientation(Vec2(0, 1));
  block->Update();
  auto object = MakeDynamic(block);
  const dReal* r = dBodyGetRotation(object->GetBody());
  EXPECT_NEAR(r[0], 0, 1e-6f);
  EXPECT_NEAR(r[4], 1, 1e-6f);
  EXPECT_FLOAT_EQ(dBodyGetPosition(object->GetBody())[0], 3);
  dMass mass;
  dBodyGetMass(object->GetBody(), &mass);
  EXPECT_FLOAT_EQ(mass.mass, 5.0f * 2 * 1);
}

TEST_F(GameWorld, ShapesFollowTheirBodies) {
  auto ball = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  Run(10);
  const dReal* p = dBodyGetPosition(ball->GetBody());
  EXPECT_GT(p[1], 0);
  EXPECT_FLOAT_EQ(ball->GetShape()->GetPosition().y, p[1]);
  EXPECT_FLOAT_EQ(ball->GetShape()->GetBox().maxY, p[1] + 1);
}

TEST_F(GameWorld, SetAngleTurnsStaticAndDynamicObjectsAlike) {
  auto moving = MakeDynamic(new Tessora::Block(Vec2(0, 0), 4, 2));
  Tessora::Static<Tessora::Block> fixed(new Tessora::Block(Vec2(0, 0), 4, 2));
  for (Tessora::Object* o : std::vector<Tessora::Object*>{moving.get(), &fixed}) {
    o->SetAngle(90);
    EXPECT_NEAR(o->GetShape()->GetOrientation().x, 0, 1e-6f);
    EXPECT_NEAR(o->GetShape()->GetOrientation().y, 1, 1e-6f);
    EXPECT_NEAR(o->GetShape()->GetBox().maxY, 2, 1e-5f);
    o->SetAngle(0);
    EXPECT_NEAR(o->GetShape()->GetOrientation().x, 1, 1e-6f);
    o->SetPosition(Vec2(10, 0));
    EXPECT_NEAR(o->GetShape()->GetBox().minX, 8, 1e-5f);
  }
}

TEST_F(GameWorld, CircleComesToRestOnAStaticLine) {
  Tessora::Static<Tessora::Line> ground(new Tessora::Line(Vec2(-500, 300), Vec2(500, 300)));
  auto wheel = MakeDynamic(new Tessora::Circle(Vec2(0, 260), 30));
  wheel->SetMass(2.0f);
  Run(1500, {wheel.get(), &ground});
  EXPECT_NEAR(wheel->GetShape()->GetPosition().y, 270, 0.05f);
  EXPECT_NEAR(dBodyGetLinearVel(wheel->GetBody())[1], 0, 1e-3f);
}

TEST_F(GameWorld, AnchorHoldsABodyAgainstGravity) {
  auto rod = MakeDynamic(new Tessora::Line(Vec2(0, 0), Vec2(40, 0)));
  ASSERT_NE(world.CreateAnchor(rod.get(), Vec2(0, 0), 0, 0.2f), nullptr);
  Run(800);
  const dReal* r = dBodyGetRotation(rod->GetBody());
  const Vec2 end = rod->GetShape()->GetPosition() - Vec2(r[0], r[4]) * 20;
  EXPECT_NEAR(end.Length(), 0, 0.05f);
  EXPECT_GT(rod->GetShape()->GetPosition().y, 0);
}

TEST_F(GameWorld, BrakeMotorHoldsAWheel) {
  for (float brake : {0.0f, 10000.0f}) {
    auto wheel = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 30));
    wheel->SetMass(0.01f);
    world.CreateAnchor(wheel.get(), Vec2(0, 0), brake, 0.2f);
    for (int i = 0; i < 50; ++i) {
      dBodyAddTorque(wheel->GetBody(), 0, 0, 5000);
      Run(1);
    }
    if (brake == 0) {
      EXPECT_GT(Spin(*wheel), 0.1f);
    } else {
      EXPECT_NEAR(Spin(*wheel), 0, 1e-3f);
    }
  }
}

TEST_F(GameWorld, MotorReachesItsSpeed) {
  auto wheel = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 30));
  world.CreateAnchor(wheel.get(), Vec2(0, 0), 0, 0.2f);
  Tessora::SetMotorSpeed(world.CreateMotor(wheel.get()), 1.7f);
  Run(20);
  EXPECT_NEAR(Spin(*wheel), 1.7f, 1e-3f);
}

TEST_F(GameWorld, HingeTakesItsOwnErpAndABrakeOnlyWhenAsked) {
  auto a = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  auto b = MakeDynamic(new Tessora::Circle(Vec2(2, 0), 1));
  dJointID hinge = world.CreateHinge(a.get(), b.get(), Vec2(1, 0), 0, 0.03f);
  EXPECT_FLOAT_EQ(dJointGetERP(hinge), 0.03f);
  EXPECT_EQ(dBodyGetNumJoints(a->GetBody()), 1);
  world.CreateHinge(a.get(), b.get(), Vec2(1, 0), 5, 0.2f);
  ASSERT_EQ(dBodyGetNumJoints(a->GetBody()), 3);
  dJointID brake = dBodyGetJoint(a->GetBody(), 0);  // the newest joint comes first
  ASSERT_EQ(dJointGetType(brake), dJointTypeAMotor);
  EXPECT_FLOAT_EQ(dJointGetAMotorParam(brake, dParamFMax), 5);
  EXPECT_FLOAT_EQ(dJointGetAMotorParam(brake, dParamVel), 0);
}

TEST_F(GameWorld, JointsOnMissingObjectsAreRefusedWithOneLineEach) {
  TestSupport::TraceCapture trace;
  auto body = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  Tessora::Static<Tessora::Circle> fixed(new Tessora::Circle(Vec2(5, 0), 1));
  EXPECT_EQ(world.CreateHinge(nullptr, body.get(), Vec2(0, 0), 5, 0.2f), nullptr);
  EXPECT_EQ(world.CreateHinge(body.get(), nullptr, Vec2(0, 0), 0, 0.2f), nullptr);
  EXPECT_EQ(world.CreateAnchor(nullptr, Vec2(0, 0), 5, 0.2f), nullptr);
  EXPECT_EQ(world.CreateMotor(nullptr), nullptr);
  EXPECT_EQ(world.CreateMotor(&fixed), nullptr);
  Tessora::SetMotorSpeed(nullptr, 1.0f);
  EXPECT_EQ(trace.Lines().size(), 5u);
  EXPECT_EQ(dBodyGetNumJoints(body->GetBody()), 0);
  // Two fixed sides: a hinge that holds nothing, and no brake to attach.
  EXPECT_NE(world.CreateHinge(&fixed, &fixed, Vec2(0, 0), 5, 0.2f), nullptr);
  Run(2);
}

TEST_F(GameWorld, DeletingAnObjectDetachesItsJoints) {
  auto a = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  auto b = MakeDynamic(new Tessora::Circle(Vec2(2, 0), 1));
  world.CreateHinge(a.get(), b.get(), Vec2(1, 0), 5, 0.2f);
  a.reset();
  Run(5, {b.get()});
  EXPECT_TRUE(std::isfinite(b->GetShape()->GetPosition().y));
}

}  // namespace
