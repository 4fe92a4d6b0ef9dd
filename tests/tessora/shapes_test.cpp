#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/world.h"
#include "tests/support/tracecapture.h"

namespace {

using Tessora::Block;
using Tessora::BoundingBox;
using Tessora::Vec2;

void ExpectNear(const Vec2& actual, const Vec2& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-5f);
  EXPECT_NEAR(actual.y, expected.y, 1e-5f);
}

void ExpectBox(const BoundingBox& box, float minX, float minY, float maxX, float maxY) {
  EXPECT_FLOAT_EQ(box.minX, minX);
  EXPECT_FLOAT_EQ(box.minY, minY);
  EXPECT_FLOAT_EQ(box.maxX, maxX);
  EXPECT_FLOAT_EQ(box.maxY, maxY);
}

TEST(Shapes, BlockCornersRunFromTopLeftClockwiseOnScreen) {
  const Block block(Vec2(10, 20), 4, 2);
  const auto& c = block.GetCorners();
  ExpectNear(c[0], Vec2(8, 19));
  ExpectNear(c[1], Vec2(12, 19));
  ExpectNear(c[2], Vec2(12, 21));
  ExpectNear(c[3], Vec2(8, 21));
  ExpectBox(block.GetBox(), 8, 19, 12, 21);
}

TEST(Shapes, TurnedBlockBoxCoversItsCorners) {
  Block block(Vec2(0, 0), 4, 2);
  block.SetOrientation(Vec2(0, 1));
  block.Update();
  ExpectNear(block.GetCorners()[0], Vec2(1, -2));
  ExpectBox(block.GetBox(), -1, -2, 1, 2);
}

TEST(Shapes, TwoCornerBlockInAnyOrderOrSizeIsTheSameBlock) {
  const Block forward(Vec2(2, 3), Vec2(6, 5));
  const Block backward(Vec2(6, 5), Vec2(2, 3));
  const Block crossed(Vec2(2, 5), Vec2(6, 3));
  const Block negative(Vec2(4, 4), -4, -2);
  for (const Block* b : {&forward, &backward, &crossed, &negative}) {
    EXPECT_FLOAT_EQ(b->GetHalfExtent(0), 2);
    EXPECT_FLOAT_EQ(b->GetHalfExtent(1), 1);
    ExpectNear(b->GetPosition(), Vec2(4, 4));
    ExpectBox(b->GetBox(), 2, 3, 6, 5);
    ExpectNear(b->GetCorners()[0], Vec2(2, 3));
  }
}

TEST(Shapes, LineIsAThinBlock) {
  const Tessora::Line line(Vec2(0, 0), Vec2(10, 0));
  EXPECT_EQ(line.GetType(), Tessora::ShapeType::Quad);
  ExpectNear(line.GetPosition(), Vec2(5, 0));
  ExpectNear(line.GetOrientation(), Vec2(1, 0));
  EXPECT_FLOAT_EQ(line.GetHalfExtent(0), 5);
  EXPECT_FLOAT_EQ(line.GetHalfExtent(1), 0);

  const Tessora::Line steep(Vec2(1, 1), Vec2(1, -3));
  ExpectNear(steep.GetOrientation(), Vec2(0, -1));
  ExpectBox(steep.GetBox(), 1, -3, 1, 1);
}

TEST(Shapes, LineWithCoincidentEndsLiesAlongX) {
  const Tessora::Line dot(Vec2(3, 4), Vec2(3, 4));
  ExpectNear(dot.GetOrientation(), Vec2(1, 0));
  EXPECT_FLOAT_EQ(dot.GetHalfExtent(0), 0);
  ExpectBox(dot.GetBox(), 3, 4, 3, 4);
}

TEST(Shapes, NegativeRadiusCountsBySize) {
  const Tessora::Circle circle(Vec2(1, 1), -2);
  EXPECT_FLOAT_EQ(circle.GetRadius(), 2);
  ExpectBox(circle.GetBox(), -1, -1, 3, 3);
}

TEST(Shapes, RotatedTurnsCounterClockwiseOnScreen) {
  ExpectNear(Vec2(1, 0).Rotated(90), Vec2(0, -1));
  ExpectNear(Vec2(0, 1).Rotated(90), Vec2(1, 0));
}

TEST(Shapes, PoseSettersLeaveTheBoxUntilUpdate) {
  Block block(Vec2(0, 0), 2, 2);
  block.SetPosition(Vec2(10, 0));
  ExpectBox(block.GetBox(), -1, -1, 1, 1);
  block.Update();
  ExpectBox(block.GetBox(), 9, -1, 11, 1);
}

TEST(Shapes, EmptyCompositeHasAnEmptyBox) {
  const Tessora::Composite composite(Vec2(5, 5));
  const float inf = std::numeric_limits<float>::infinity();
  ExpectBox(composite.GetBox(), inf, inf, -inf, -inf);
}

TEST(Shapes, TurningACompositeTurnsItsPartsAboutItsPosition) {
  Tessora::Composite composite(Vec2(10, 0));
  auto* centred = new Block(Vec2(10, 0), 2, 2);
  auto* offset = new Block(Vec2(14, 0), 2, 2);
  composite.AddPart(centred);
  composite.AddPart(offset);
  composite.SetOrientation(Vec2(0, 1));
  composite.Update();
  ExpectNear(centred->GetPosition(), Vec2(10, 0));
  ExpectNear(centred->GetOrientation(), Vec2(0, 1));
  ExpectNear(offset->GetPosition(), Vec2(10, 4));
  ExpectNear(offset->GetOrientation(), Vec2(0, 1));
  ExpectBox(composite.GetBox(), 9, -1, 11, 5);

  composite.SetPosition(Vec2(0, 0));
  composite.Update();
  ExpectNear(offset->GetPosition(), Vec2(0, 4));
}

TEST(Shapes, NestedCompositeTurnsWithItsParent) {
  Tessora::Composite outer(Vec2(0, 0));
  auto* inner = new Tessora::Composite(Vec2(2, 0));
  auto* part = new Tessora::Circle(Vec2(3, 0), 0.5f);
  inner->AddPart(part);
  outer.AddPart(inner);
  outer.SetOrientation(Vec2(-1, 0));
  outer.Update();
  ExpectNear(inner->GetPosition(), Vec2(-2, 0));
  ExpectNear(part->GetPosition(), Vec2(-3, 0));
  ExpectBox(outer.GetBox(), -3.5f, -0.5f, -2.5f, 0.5f);
}

class ShapeMass : public ::testing::Test {
 protected:
  float MassOf(const Tessora::Shape& shape, float density) {
    dBodyID body = world.CreateBody();
    shape.SetMass(body, density);
    dMass mass;
    dBodyGetMass(body, &mass);
    return mass.mass;
  }
  Tessora::World world;
};

TEST_F(ShapeMass, BoxesSizedAfterTheShape) {
  EXPECT_FLOAT_EQ(MassOf(Tessora::Line(Vec2(0, 0), Vec2(10, 0)), 2), 20);
  EXPECT_FLOAT_EQ(MassOf(Block(Vec2(0, 0), 4, 3), 1), 12);
  EXPECT_FLOAT_EQ(MassOf(Tessora::Circle(Vec2(0, 0), 3), 1), 9);
  EXPECT_FLOAT_EQ(MassOf(Tessora::Composite(Vec2(0, 0)), 0.5f), 5000);
}

TEST_F(ShapeMass, MassThatIsNotPositiveAndFiniteIsRefused) {
  TestSupport::TraceCapture trace;
  const float untouched = MassOf(Tessora::Circle(Vec2(0, 0), 0), 1);
  EXPECT_GT(untouched, 0);
  EXPECT_FLOAT_EQ(MassOf(Block(Vec2(0, 0), 0, 4), 1), untouched);
  EXPECT_FLOAT_EQ(MassOf(Block(Vec2(0, 0), 2, 2), -1), untouched);
  EXPECT_FLOAT_EQ(MassOf(Block(Vec2(0, 0), 2, 2), std::nanf("")), untouched);
  EXPECT_FLOAT_EQ(MassOf(Block(Vec2(0, 0), 2e30f, 2e30f), 1), untouched);
  EXPECT_EQ(trace.Lines().size(), 5u);
}

}  // namespace
