// The pair routines on hand-worked cases.
#include <gtest/gtest.h>

#include <memory>

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/pairs.h"

namespace {

using Tessora::Block;
using Tessora::Circle;
using Tessora::ContactBuffer;
using Tessora::Vec2;

void ExpectContact(const ContactBuffer& out, int i, Vec2 position, Vec2 normal, float depth) {
  SCOPED_TRACE(i);
  EXPECT_NEAR(out.GetPosition(i).x, position.x, 1e-5f);
  EXPECT_NEAR(out.GetPosition(i).y, position.y, 1e-5f);
  EXPECT_NEAR(out.GetNormal(i).x, normal.x, 1e-5f);
  EXPECT_NEAR(out.GetNormal(i).y, normal.y, 1e-5f);
  EXPECT_NEAR(out.GetDepth(i), depth, 1e-5f);
}

TEST(CirclePairs, FarApartFailOnTheirBoxes) {
  const Circle a(Vec2(0, 0), 1), b(Vec2(3, 0), 1);
  ContactBuffer out;
  EXPECT_FALSE(Tessora::Overlaps(a, b));
  Tessora::Collide(a, b, out);
  EXPECT_EQ(out.GetCount(), 0);
}

TEST(CirclePairs, ContactInTheMiddleOfTheOverlap) {
  const Circle a(Vec2(0, 0), 1), b(Vec2(1.5f, 0), 1);
  ContactBuffer out;
  ASSERT_TRUE(Tessora::Overlaps(a, b));
  Tessora::Collide(a, b, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(0.75f, 0), Vec2(-1, 0), 0.5f);
}

TEST(CirclePairs, UnequalRadiiContactBetweenTheSurfaces) {
  const Circle a(Vec2(0, 0), 2), b(Vec2(0, 2.5f), 1);
  ContactBuffer out;
  Tessora::Collide(a, b, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(0, 1.75f), Vec2(0, -1), 0.5f);
}

TEST(CirclePairs, SameCentre) {
  const Circle a(Vec2(2, 2), 1), b(Vec2(2, 2), 0.5f);
  ContactBuffer out;
  Tessora::Collide(a, b, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(2, 2), Vec2(-1, 0), 1.5f);
}

TEST(BlockCirclePairs, CentreOutsideTouchesTheNearestPoint) {
  const Block block(Vec2(0, 0), 4, 2);
  const Circle circle(Vec2(0, 1.5f), 1);
  ContactBuffer out;
  Tessora::Collide(block, circle, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(0, 1), Vec2(0, -1), 0.5f);
}

TEST(BlockCirclePairs, CircleFirstGetsTheNormalTowardTheCircle) {
  const Block block(Vec2(0, 0), 4, 2);
  const Circle circle(Vec2(0, 1.5f), 1);
  ContactBuffer out;
  Tessora::Collide(circle, block, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(0, 1), Vec2(0, 1), 0.5f);
  EXPECT_FALSE(out.IsFlipped());
}

TEST(BlockCirclePairs, CentreInsideGetsOnlyTheFaceContact) {
  const Block block(Vec2(0, 0), 4, 2);
  const Circle circle(Vec2(1.5f, 0.25f), 1);
  ContactBuffer out;
  ASSERT_TRUE(Tessora::Overlaps(block, circle));
  Tessora::Collide(block, circle, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(1.5f, 0.25f), Vec2(-1, 0), 1.5f);
}

TEST(BlockPairs, OffsetSquaresTouchAlongTheLeastOverlap) {
  const Block a(Vec2(0, 0), 2, 2), b(Vec2(1.5f, 0.5f), 2, 2);
  ContactBuffer out;
  ASSERT_TRUE(Tessora::Overlaps(a, b));
  Tessora::Collide(a, b, out);
  ASSERT_EQ(out.GetCount(), 2);
  ExpectContact(out, 0, Vec2(0.5f, 1), Vec2(-1, 0), 0.5f);
  ExpectContact(out, 1, Vec2(0.5f, -0.5f), Vec2(-1, 0), 0.5f);
}

TEST(BlockPairs, EqualFacesExactlyInLineStillTouch) {
  const Block ground(Vec2(0, 0), 2, 2), crate(Vec2(0, -1.9f), 2, 2);
  ContactBuffer out;
  Tessora::Collide(crate, ground, out);
  ASSERT_EQ(out.GetCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_NEAR(out.GetNormal(i).y, -1, 1e-6f);
    EXPECT_NEAR(out.GetDepth(i), 0.1f, 1e-5f);
  }
  EXPECT_NEAR(out.GetPosition(0).x + out.GetPosition(1).x, 0, 1e-6f);
}

TEST(BlockPairs, CircleOnALine) {
  const Tessora::Line line(Vec2(-10, 5), Vec2(10, 5));
  const Circle ball(Vec2(0, 4.2f), 1);
  ContactBuffer out;
  Tessora::Collide(ball, line, out);
  ASSERT_EQ(out.GetCount(), 1);
  ExpectContact(out, 0, Vec2(0, 5), Vec2(0, -1), 0.2f);
}

TEST(CompositePairs, OverlappingOnlyThroughTheirBoxes) {
  Tessora::Composite a(Vec2(0, 0)), b(Vec2(0, 0));
  a.AddPart(new Circle(Vec2(-2, -2), 1));
  a.AddPart(new Circle(Vec2(2, 2), 1));
  b.AddPart(new Circle(Vec2(2, -2), 1));
  b.AddPart(new Circle(Vec2(-2, 2), 1));
  a.Update();
  b.Update();
  ContactBuffer out;
  EXPECT_FALSE(Tessora::Overlaps(a, b));
  Tessora::Collide(a, b, out);
  EXPECT_EQ(out.GetCount(), 0);
}

TEST(CompositePairs, ContactsBeyondTheBufferAreDropped) {
  Tessora::Composite pile(Vec2(0, 0));
  for (int i = 0; i < 100; ++i) pile.AddPart(new Circle(Vec2(i * 0.1f, 0), 1));
  pile.Update();
  const Block floor(Vec2(5, 1), 20, 1);
  ContactBuffer out;
  Tessora::Collide(pile, floor, out);
  EXPECT_EQ(out.GetCount(), ContactBuffer::kCapacity);
  for (int i = 0; i < out.GetCount(); ++i) EXPECT_NEAR(out.GetNormal(i).y, -1, 1e-6f);
}

}  // namespace
