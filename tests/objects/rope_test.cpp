#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "game/objects/line.h"
#include "game/objects/rope.h"
#include "tessora/object.h"
#include "tests/objects/scene.h"
#include "tests/support/tracecapture.h"

namespace ObjectsTest {
namespace {

using RopeTest = Scene;

int JointsOf(const Kest::Line* segment) {
  return dBodyGetNumJoints(segment->GetBody()->GetBody());
}

void ExpectNear(const ol::Vec2& got, float x, float y) {
  EXPECT_NEAR(got.x, x, 1e-3f);
  EXPECT_NEAR(got.y, y, 1e-3f);
}

TEST_F(RopeTest, OneSegmentPerStartedTwentyUnits) {
  Kest::Rope rope(100, 200, 160, 200, 50, 0);
  const auto& segments = rope.GetSegments();
  ASSERT_EQ(segments.size(), 3u);
  ExpectNear(segments[0]->GetStart(), 100, 200);
  ExpectNear(segments[1]->GetStart(), 120, 200);
  ExpectNear(segments[2]->GetEnd(), 160, 200);
  EXPECT_EQ(JointsOf(segments[0]), 1);
  EXPECT_EQ(JointsOf(segments[1]), 2) << "hinged to both neighbours";
  EXPECT_EQ(JointsOf(segments[2]), 1);
  EXPECT_TRUE(segments[1]->IsDynamic());

  Kest::Rope shortRope(0, 0, 100, 0, 20, 0);
  ASSERT_EQ(shortRope.GetSegments().size(), 1u);
  EXPECT_EQ(JointsOf(shortRope.GetSegments()[0]), 0);
  ExpectNear(shortRope.GetSegments()[0]->GetEnd(), 100, 0);
}

TEST_F(RopeTest, CoincidingEndsAndEndlessLengthsStaySane) {
  TestSupport::TraceCapture trace;
  Kest::Rope knot(50, 50, 50, 50, 40, 0);
  ASSERT_EQ(knot.GetSegments().size(), 2u);
  ExpectNear(knot.GetSegments()[0]->GetEnd(), 70, 50);
  ExpectNear(knot.GetSegments()[1]->GetEnd(), 50, 50);

  Kest::Rope endless(0, 0, 100, 0, 1e9f, 0);
  EXPECT_EQ(endless.GetSegments().size(), static_cast<std::size_t>(Kest::Rope::kMaxSegments));
  EXPECT_TRUE(trace.Contains("Rope: cut to"));
}

TEST_F(RopeTest, ViewRectangleFollowsAnchorsAndBand) {
  Kest::Rope rope(100, 300, 300, 300, 220, 0);
  EXPECT_FALSE(rope.IsInView(ol::Vec2(0, 501), ol::Vec2(800, 1101)));
  EXPECT_TRUE(rope.IsInView(ol::Vec2(0, 500), ol::Vec2(800, 1100))) << "200 below y1";
  rope.AttachStart(new Kest::Line(90, 300, 100, 300, "", false));
  rope.AttachEnd(new Kest::Line(300, 300, 310, 300, "", false));
  EXPECT_EQ(rope.GetViewMin().x, 90.0f);
  EXPECT_EQ(rope.GetViewMax().x, 310.0f);
  rope.SetFirstColor(30, 255, 0, 0, 255);
  EXPECT_EQ(rope.GetViewMax().y, 330.0f);
  EXPECT_FALSE(rope.IsInView(ol::Vec2(0, 331), ol::Vec2(800, 931)));
}

TEST_F(RopeTest, AnUninsertedRopeDeletesItsParts) {
  Witness witness;
  {
    Kest::Rope rope(0, 0, 100, 0, 100, 0);
    rope.AttachStart(new Kest::Line(-10, 0, 0, 0, "", false));
    rope.AttachEnd(new Kest::Line(100, 0, 110, 0, "", false));
    for (Kest::Line* segment : rope.GetSegments()) segment->AddObserver(&witness);
  }
  EXPECT_EQ(witness.destroyed, 5);
}

// The rope as the level script builds it: static stubs at both ends.
class HangingRope : public Scene {
 protected:
  HangingRope() : rope(new Kest::Rope(100, 100, 200, 100, 140, 0)) {
    rope->AttachStart(new Kest::Line(90, 100, 100, 100, "", false));
    rope->AttachEnd(new Kest::Line(200, 100, 210, 100, "", false));
  }
  Kest::Rope* rope;
};

TEST_F(HangingRope, InsertsItsPartsAndHangsFromItsAnchors) {
  EXPECT_TRUE(space.Insert(rope, 5, "rope"));
  EXPECT_EQ(space.size(), 7u + 2u + 1u);
  EXPECT_EQ(rope->GetDepth(), -1000.0f);
  EXPECT_EQ(space.FindObject("rope"), nullptr) << "the rope inserts itself without a name";
  EXPECT_EQ(JointsOf(rope->GetSegments().front()), 2) << "hinged to the next and the world";
  EXPECT_EQ(JointsOf(rope->GetSegments().back()), 2);

  EXPECT_FALSE(space.Insert(rope));
  EXPECT_EQ(space.size(), 10u);

  Step(300);
  const ol::Vec2 middle = rope->GetSegments()[3]->GetEnd();
  EXPECT_GT(middle.y, 110.0f) << "a rope longer than its span sags";
  ExpectNear(rope->GetSegments().front()->GetStart(), 100, 100);
  EXPECT_NEAR(rope->GetSegments().back()->GetEnd().x, 200.0f, 0.5f);
  EXPECT_NEAR(rope->GetSegments().back()->GetEnd().y, 100.0f, 0.5f);
}

// A level of its own for each rope.
struct RopeLevel : Scene {
  using Scene::space;
  using Scene::Step;
  void TestBody() override {}
};

// A chain squeezed between its ends must hang below them whatever its span
// and slack, never stand up as an arch.
TEST(RopeHanging, LongerThanItsSpanItHangsBelowItsAnchors) {
  for (float span : {60.0f, 100.0f, 200.0f, 300.0f}) {
    for (float slack : {1.1f, 1.2f, 1.4f, 1.6f}) {
      RopeLevel level;
      auto* rope = new Kest::Rope(100, 100, 100 + span, 100, span * slack, 0);
      rope->AttachStart(new Kest::Line(90, 100, 100, 100, "", false));
      rope->AttachEnd(new Kest::Line(100 + span, 100, 110 + span, 100, "", false));
      level.space.Insert(rope);
      level.Step(300);
      float lowest = 100.0f;
      for (const Kest::Line* segment : rope->GetSegments()) {
        EXPECT_GT(segment->GetEnd().y, 95.0f) << "span " << span << " slack " << slack;
        lowest = std::max(lowest, segment->GetEnd().y);
      }
      EXPECT_GT(lowest, 115.0f) << "span " << span << " slack " << slack;
    }
  }
}

TEST_F(HangingRope, RemovingTheRopeSweepsEveryPart) {
  space.Insert(rope);
  rope->SetRemoved(true);
  Sweep();
  EXPECT_TRUE(space.empty());
}

TEST_F(HangingRope, APartSweptOnItsOwnLeavesTheRope) {
  space.Insert(rope);
  Kest::Line* middle = rope->GetSegments()[2];
  middle->SetRemoved(true);
  Sweep();
  EXPECT_EQ(rope->GetSegments().size(), 6u);
}

}  // namespace
}  // namespace ObjectsTest
