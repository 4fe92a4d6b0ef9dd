#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "game/objects/line.h"
#include "game/objects/rope.h"
#include "tessora/object.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using TestSupport::JointsBetween;
using RopeTest = TestSupport::Scene;

dBodyID BodyOf(const Kest::Line* line) { return line->GetBody()->GetBody(); }

// The rope as the level script builds it, with static stubs at both ends.
Kest::Rope* HangingRope(float x1, float x2, float length, float brake = 0) {
  auto* rope = new Kest::Rope(x1, 100, x2, 100, length, brake);
  rope->AttachStart(new Kest::Line(x1 - 10, 100, x1, 100, "", false));
  rope->AttachEnd(new Kest::Line(x2, 100, x2 + 10, 100, "", false));
  return rope;
}

// One 20-unit segment per started 20 units of length, the last ending at
// the end point; coinciding ends hang the chain along x; an endless length
// is cut.
TEST_F(RopeTest, SegmentsRunToTheEndPoint) {
  TestSupport::TraceCapture trace;
  const struct {
    float x1, x2, length;
    std::size_t segments;
    float firstEndX;
  } cases[] = {{100, 160, 50, 3, 120}, {0, 100, 20, 1, 100}, {50, 50, 40, 2, 70}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    Kest::Rope rope(c.x1, 200, c.x2, 200, c.length, 0);
    const auto& segments = rope.GetSegments();
    ASSERT_EQ(segments.size(), c.segments);
    EXPECT_NEAR(segments.front()->GetEnd().x, c.firstEndX, 1e-3f);
    EXPECT_NEAR(segments.back()->GetEnd().x, c.x2, 1e-3f);
    EXPECT_NEAR(segments.back()->GetEnd().y, 200, 1e-3f);
    EXPECT_TRUE(segments.back()->IsDynamic());
    EXPECT_EQ(dBodyGetNumJoints(BodyOf(segments.back())), c.segments > 1 ? 1 : 0);
  }
  Kest::Rope endless(0, 0, 100, 0, 1e9f, 0);
  EXPECT_EQ(endless.GetSegments().size(), std::size_t(Kest::Rope::kMaxSegments));
  EXPECT_TRUE(trace.Contains("Rope: cut to"));
}

// The view box reaches the anchors, and below y1 by 200 or the band's 30.
TEST_F(RopeTest, ViewRectangleFollowsAnchorsAndBand) {
  Kest::Rope rope(100, 300, 300, 300, 220, 0);
  EXPECT_FALSE(rope.IsInView(ol::Vec2(0, 501), ol::Vec2(800, 1101)));
  EXPECT_TRUE(rope.IsInView(ol::Vec2(0, 500), ol::Vec2(800, 1100)));
  rope.AttachStart(new Kest::Line(90, 300, 100, 300, "", false));
  rope.AttachEnd(new Kest::Line(300, 300, 310, 300, "", false));
  EXPECT_EQ(rope.GetViewMin().x, 90.0f);
  EXPECT_EQ(rope.GetViewMax().x, 310.0f);
  rope.SetFirstColor(30, 255, 0, 0, 255);
  EXPECT_FALSE(rope.IsInView(ol::Vec2(0, 331), ol::Vec2(800, 931)));
}

TEST_F(RopeTest, AnUninsertedRopeDeletesItsParts) {
  TestSupport::Witness witness;
  {
    std::unique_ptr<Kest::Rope> rope(HangingRope(0, 100, 100));
    for (Kest::Line* segment : rope->GetSegments()) segment->AddObserver(&witness);
  }
  EXPECT_EQ(witness.destroyed, 5);
}

// The rope inserts its parts itself, without a name, at depth -1000.
TEST_F(RopeTest, InsertsItsPartsOnceAndRemovingItSweepsThemAll) {
  Kest::Rope* rope = HangingRope(100, 200, 140);
  EXPECT_TRUE(space.Insert(rope, 5, "rope"));
  EXPECT_FALSE(space.Insert(rope));
  EXPECT_EQ(space.size(), 7u + 2u + 1u);
  EXPECT_EQ(rope->GetDepth(), -1000.0f);
  EXPECT_EQ(space.FindObject("rope"), nullptr);
  rope->GetSegments()[2]->SetRemoved(true);
  Sweep();
  EXPECT_EQ(rope->GetSegments().size(), 6u) << "a part may go alone";
  rope->SetRemoved(true);
  Sweep();
  EXPECT_TRUE(space.empty());
}

// A level of its own for each rope.
struct RopeLevel : TestSupport::Scene {
  using Scene::space;
  using Scene::Step;
  void TestBody() override {}
};

// A chain squeezed between its ends hangs below them whatever its span and
// slack, never stands up as an arch, and its ends stay at the anchors.
TEST(RopeHanging, LongerThanItsSpanItHangsBelowItsAnchors) {
  for (float span : {60.0f, 100.0f, 200.0f, 300.0f}) {
    for (float slack : {1.1f, 1.2f, 1.4f, 1.6f}) {
      SCOPED_TRACE(testing::Message() << "span " << span << " slack " << slack);
      RopeLevel level;
      Kest::Rope* rope = HangingRope(100, 100 + span, span * slack);
      level.space.Insert(rope);
      level.Step(300);
      float lowest = 100.0f;
      for (const Kest::Line* segment : rope->GetSegments()) {
        EXPECT_GT(segment->GetEnd().y, 95.0f);
        lowest = std::max(lowest, segment->GetEnd().y);
      }
      EXPECT_GT(lowest, 115.0f);
      const ol::Vec2 start = rope->GetSegments().front()->GetStart(), end = rope->GetSegments().back()->GetEnd();
      EXPECT_NEAR(start.x, 100.0f, 2.0f);
      EXPECT_NEAR(start.y, 100.0f, 2.0f);
      EXPECT_NEAR(end.x, 100.0f + span, 2.0f);
      EXPECT_NEAR(end.y, 100.0f, 2.0f);
    }
  }
}

// Between neighbours a loose hinge (error reduction 0.03, not the world's
// 0.2) bending at most 0.4 rad either way, braked; the static anchors hold
// the ends to the world firmly (0.1), free to turn and unbraked.
TEST_F(RopeTest, EachHingeHasItsOwnErrorReductionStopsAndBrake) {
  Kest::Rope* rope = HangingRope(100, 200, 140, 50.0f);
  space.Insert(rope);
  const auto& segments = rope->GetSegments();
  struct Hinge {
    dBodyID a, b;
    float erp, stop;
    std::size_t brakes;
  };
  std::vector<Hinge> hinges = {{BodyOf(segments.front()), nullptr, 0.1f, dInfinity, 0},
                               {BodyOf(segments.back()), nullptr, 0.1f, dInfinity, 0}};
  for (std::size_t i = 1; i < segments.size(); ++i)
    hinges.push_back({BodyOf(segments[i - 1]), BodyOf(segments[i]), 0.03f, 0.4f, 1});
  for (const Hinge& expected : hinges) {
    const auto found = JointsBetween(expected.a, expected.b, dJointTypeHinge);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FLOAT_EQ(dJointGetERP(found[0]), expected.erp);
    EXPECT_FLOAT_EQ(dJointGetHingeParam(found[0], dParamLoStop), -expected.stop);
    EXPECT_FLOAT_EQ(dJointGetHingeParam(found[0], dParamHiStop), expected.stop);
    const auto brakes = JointsBetween(expected.a, expected.b, dJointTypeAMotor);
    ASSERT_EQ(brakes.size(), expected.brakes);
    for (const dJointID brake : brakes) EXPECT_FLOAT_EQ(dJointGetAMotorParam(brake, dParamFMax), 50.0f);
  }
}

}  // namespace
