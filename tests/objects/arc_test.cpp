#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "game/objects/arc.h"
#include "game/objects/arcpoints.h"
#include "tessora/block.h"
#include "tessora/composite.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

const Tessora::Composite& ShapeOf(const Kest::Arc& arc) {
  return static_cast<const Tessora::Composite&>(*arc.GetBody()->GetShape());
}

// Each quarter's points run along its circle or ellipse, inside the box
// [0, a] x [0, b], without gaps, from one axis to the other.
class QuarterTest : public ::testing::TestWithParam<int> {};

TEST_P(QuarterTest, PointsRunAlongTheQuarterInsideItsBox) {
  const int quarter = GetParam();
  for (const ol::Vec2 radii : {ol::Vec2(50, 50), ol::Vec2(80, 30)}) {
    const float a = radii.x, b = radii.y;
    SCOPED_TRACE(a);
    const std::vector<ol::Vec2> points =
        a == b ? Kest::CircleQuarterPoints(a, quarter) : Kest::EllipseQuarterPoints(a, b, quarter);
    ASSERT_GT(points.size(), 10u);
    const ol::Vec2 centres[] = {{0, b}, {a, b}, {a, 0}, {0, 0}};
    for (std::size_t i = 0; i < points.size(); ++i) {
      const ol::Vec2 p = points[i], d = p - centres[quarter - 1];
      EXPECT_TRUE(p.x >= 0 && p.x <= a && p.y >= 0 && p.y <= b) << "point " << i;
      EXPECT_NEAR(d.x * d.x / (a * a) + d.y * d.y / (b * b), 1.0f, 0.1f) << "point " << i;
      EXPECT_LT((p - points[i > 0 ? i - 1 : 0]).Length(), 4.0f) << "a gap before " << i;
    }
    EXPECT_NEAR(std::fabs(points.front().x - points.back().x), a, 1.0f);
    EXPECT_NEAR(std::fabs(points.front().y - points.back().y), b, 1.0f);
  }
}

// Coinciding points are skipped, so no part lacks a direction.
TEST_P(QuarterTest, ArcPartsAllHaveLengthAndFillTheBox) {
  std::unique_ptr<Kest::Arc> arc(Kest::Arc::Create(10, 20, 40, "", GetParam()));
  ASSERT_NE(arc, nullptr);
  const Tessora::Composite& shape = ShapeOf(*arc);
  ASSERT_GT(shape.GetPartCount(), 5);
  for (int i = 0; i < shape.GetPartCount(); ++i) {
    const auto& part = static_cast<const Tessora::Block&>(shape.GetPart(i));
    EXPECT_GT(part.GetHalfExtent(0), 0.0f);
    EXPECT_FALSE(std::isnan(part.GetOrientation().x));
  }
  const Tessora::BoundingBox& box = shape.GetBox();
  EXPECT_NEAR(box.minX, 10.0f, 1.0f);
  EXPECT_NEAR(box.maxX, 50.0f, 1.0f);
  EXPECT_NEAR(box.minY, 20.0f, 1.0f);
  EXPECT_NEAR(box.maxY, 60.0f, 1.0f);
  EXPECT_FALSE(arc->IsDynamic());
}

INSTANTIATE_TEST_SUITE_P(EveryQuarter, QuarterTest, ::testing::Values(1, 2, 3, 4));

// Quarters as on the screen: 1 upper right, 2 upper left, 3 lower left,
// 4 lower right; mirrored sideways, upside down, or both.
TEST(FlipQuarter, MirrorsTheQuarterOnTheScreen) {
  const int mirrored[3][4] = {{2, 1, 4, 3}, {4, 3, 2, 1}, {3, 4, 1, 2}};
  for (int flip = 0; flip < 3; ++flip)
    for (int quarter = 1; quarter <= 4; ++quarter)
      EXPECT_EQ(Kest::FlipQuarter(quarter, flip), mirrored[flip][quarter - 1]) << quarter << ", " << flip;
}

using ArcTest = TestSupport::Scene;

// Far beyond any track the parts would fill the memory; a tiny arc is one
// part, from its one plotted point to (r, 0).
TEST_F(ArcTest, ArcsWithoutRadiusTooLargeOrOutsideTheQuartersAreNotMade) {
  TestSupport::TraceCapture trace;
  EXPECT_EQ(Kest::Arc::Create(0, 0, 0, "", 1), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, -5, "", 2), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 50, "", 0), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 50, "", 5, 1), nullptr);
  EXPECT_EQ(Kest::Arc::CreateElliptic(0, 0, 50, 0, "", 4), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 1e8f, "", 1), nullptr);
  EXPECT_EQ(Kest::Arc::CreateElliptic(0, 0, 50, 1e30f, "", 2), nullptr);
  EXPECT_EQ(trace.Lines().size(), 7u);
  std::unique_ptr<Kest::Arc> small(Kest::Arc::Create(0, 0, 0.5f, "", 4));
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->GetPartCount(), 1);
}

}  // namespace
