#include <gtest/gtest.h>

#include <memory>

#include "game/objects/line.h"
#include "game/objects/rope.h"
#include "tessora/object.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using RopeTest = TestSupport::Scene;

// The rope as the level script builds it, with static stubs at both ends.
Kest::Rope* HangingRope(float x1, float x2, float length) {
  auto* rope = new Kest::Rope(x1, 100, x2, 100, length, 0);
  rope->AttachStart(new Kest::Line(x1 - 10, 100, x1, 100, "", false));
  rope->AttachEnd(new Kest::Line(x2, 100, x2 + 10, 100, "", false));
  return rope;
}

// A 20-unit segment per started 20 units, the last ending at the end point;
// coinciding ends hang the chain along x; an endless length is cut.
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
    EXPECT_EQ(dBodyGetNumJoints(segments.back()->GetBody()->GetBody()), c.segments > 1 ? 1 : 0);
  }
  Kest::Rope endless(0, 0, 100, 0, 1e9f, 0);
  EXPECT_EQ(endless.GetSegments().size(), std::size_t(Kest::Rope::kMaxSegments));
  EXPECT_TRUE(trace.Contains("Rope: cut to"));
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

}  // namespace
