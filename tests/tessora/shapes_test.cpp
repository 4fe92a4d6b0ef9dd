// Corners and boxes of turned shapes, composites carrying their parts, body
// masses, and objects and joints in a world.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tests/support/tracecapture.h"
#include "tests/tessora/testworld.h"

namespace {

using Tessora::Block;
using Tessora::BoundingBox;
using Tessora::Circle;
using Tessora::Composite;
using Tessora::Vec2;
using TessoraTest::ExpectNear;

void ExpectBox(const BoundingBox& box, const BoundingBox& expected) {
  ExpectNear(Vec2(box.minX, box.minY), Vec2(expected.minX, expected.minY));
  ExpectNear(Vec2(box.maxX, box.maxY), Vec2(expected.maxX, expected.maxY));
}

Block Turned(Block block, const Vec2& orientation) {
  block.SetOrientation(orientation);
  block.Update();
  return block;
}

struct BlockCase { const char* name; Block block; std::array<Vec2, 4> corners; BoundingBox box; };

TEST(Shapes, BlockCornersAndBox) {
  const Block fourByTwo(Vec2(0, 0), 4, 2);
  const std::array<Vec2, 4> from2to6{{{2, 3}, {6, 3}, {6, 5}, {2, 5}}};
  const BlockCase cases[] = {
      {"unturned", Block(Vec2(10, 20), 4, 2), {{{8, 19}, {12, 19}, {12, 21}, {8, 21}}}, {8, 19, 12, 21}},
      {"quarter turn", Turned(fourByTwo, Vec2(0, 1)), {{{1, -2}, {1, 2}, {-1, 2}, {-1, -2}}}, {-1, -2, 1, 2}},
      {"turned back 30 degrees", Turned(fourByTwo, Vec2(0.8660254f, -0.5f)),
       {{{-2.2320508f, 0.1339746f}, {1.2320508f, -1.8660254f}, {2.2320508f, -0.1339746f},
         {-1.2320508f, 1.8660254f}}},
       {-2.2320508f, -1.8660254f, 2.2320508f, 1.8660254f}},
      {"two corners backward", Block(Vec2(6, 5), Vec2(2, 3)), from2to6, {2, 3, 6, 5}},
      {"negative size", Block(Vec2(4, 4), -4, -2), from2to6, {2, 3, 6, 5}},
      {"steep line", Tessora::Line(Vec2(1, 1), Vec2(1, -3)), {{{1, 1}, {1, -3}, {1, -3}, {1, 1}}}, {1, -3, 1, 1}},
      {"line of one point", Tessora::Line(Vec2(3, 4), Vec2(3, 4)), {{{3, 4}, {3, 4}, {3, 4}, {3, 4}}}, {3, 4, 3, 4}},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < 4; ++i) ExpectNear(c.block.GetCorners()[i], c.corners[i]);
    ExpectBox(c.block.GetBox(), c.box);
  }
  ExpectBox(Circle(Vec2(1, 1), -2).GetBox(), {-1, -1, 3, 3});
}

TEST(Composites, CarryTheirPartsAboutTheirPosition) {
  Composite composite(Vec2(10, 0));
  auto* centred = new Block(Vec2(10, 0), 2, 2);
  auto* offset = new Block(Vec2(14, 0), 2, 2);
  auto* inner = new Composite(Vec2(12, 0));
  auto* innerPart = new Circle(Vec2(13, 0), 0.5f);
  inner->AddPart(innerPart);
  composite.AddPart(centred);
  composite.AddPart(offset);
  composite.AddPart(inner);
  composite.SetOrientation(Vec2(0, 1));
  composite.SetPosition(Vec2(0, 0));
  composite.Update();
  ExpectNear(centred->GetPosition(), Vec2(0, 0));
  ExpectNear(offset->GetPosition(), Vec2(0, 4));
  ExpectNear(offset->GetOrientation(), Vec2(0, 1));
  ExpectNear(innerPart->GetPosition(), Vec2(0, 3));
  ExpectBox(composite.GetBox(), {-1, -1, 1, 5});

  // A part added to a turned composite keeps its place when it turns back.
  auto* late = new Circle(Vec2(0, 5), 1);
  composite.AddPart(late);
  composite.SetOrientation(Vec2(1, 0));
  ExpectNear(late->GetPosition(), Vec2(5, 0));
}

// The solver's orientation is a unit vector only up to rounding; step after
// step that must neither grow nor shrink a composite, at rest or spinning.
TEST(Composites, KeepTheirSizeOverManySteps) {
  TessoraTest::TestWorld test;
  for (float spin : {0.0f, 0.7f}) {
    SCOPED_TRACE(spin);
    auto* composite = new Composite(Vec2(100, 50));
    Tessora::Shape* parts[] = {new Circle(Vec2(120, 50), 5), new Block(Vec2(100, 30), 10, 2)};
    for (Tessora::Shape* part : parts) composite->AddPart(part);
    auto object = test.MakeDynamic(composite);
    for (int i = 0; i < 100000; ++i) {
      object->SetAngle(10 + spin * i);
      object->SetPosition(Vec2(100 + spin * i * 0.01f, 50));
    }
    for (const Tessora::Shape* part : parts) {
      EXPECT_NEAR((part->GetPosition() - composite->GetPosition()).Length(), 20, 20e-4f);
      EXPECT_NEAR(part->GetOrientation().Length(), 1, 1e-5f);
    }
  }
}

// A refused mass leaves the solver's 1 of a new body.
TEST(Shapes, MassIsABoxSizedAfterTheShape) {
  const struct { const char* name; std::shared_ptr<const Tessora::Shape> shape; float density, mass; } cases[] = {
      {"line, one unit thick", std::make_shared<Tessora::Line>(Vec2(0, 0), Vec2(10, 0)), 2, 20},
      {"block", std::make_shared<Block>(Vec2(0, 0), 4, 3), 1, 12},
      {"circle, boxed by its radius", std::make_shared<Circle>(Vec2(0, 0), 3), 1, 9},
      {"composite, 100 by 100", std::make_shared<Composite>(Vec2(0, 0)), 0.5f, 5000},
      {"zero radius", std::make_shared<Circle>(Vec2(0, 0), 0), 1, 1},
      {"infinite mass", std::make_shared<Block>(Vec2(0, 0), 2e30f, 2e30f), 1, 1},
  };
  TestSupport::TraceCapture trace;
  TessoraTest::TestWorld test;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const dBodyID body = test.world.CreateBody();
    c.shape->SetMass(body, c.density);
    dMass mass;
    dBodyGetMass(body, &mass);
    EXPECT_FLOAT_EQ(mass.mass, c.mass);
  }
  EXPECT_EQ(trace.Lines().size(), 2u);
}

using World = TessoraTest::WorldTest;

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

}  // namespace
