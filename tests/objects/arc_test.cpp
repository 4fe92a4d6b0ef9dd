#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "game/objects/arc.h"
#include "game/objects/arcpoints.h"
#include "tessora/block.h"
#include "tessora/composite.h"
#include "tessora/object.h"
#include "tests/objects/scene.h"
#include "tests/support/tracecapture.h"

namespace ObjectsTest {
namespace {

// The centre of the circle that each quarter's points lie on, in the box
// [0, a] x [0, b].
ol::Vec2 QuarterCentre(int quarter, float a, float b) {
  const ol::Vec2 centres[] = {{0, b}, {a, b}, {a, 0}, {0, 0}};
  return centres[quarter - 1];
}

class QuarterTest : public ::testing::TestWithParam<int> {};

TEST_P(QuarterTest, CirclePointsRunAlongTheQuarterInsideItsBox) {
  const int quarter = GetParam();
  const float r = 50.0f;
  const std::vector<ol::Vec2> points = Kest::CircleQuarterPoints(r, quarter);
  ASSERT_GT(points.size(), 10u);
  const ol::Vec2 centre = QuarterCentre(quarter, r, r);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ol::Vec2& p = points[i];
    EXPECT_GE(p.x, 0.0f);
    EXPECT_LE(p.x, r);
    EXPECT_GE(p.y, 0.0f);
    EXPECT_LE(p.y, r);
    EXPECT_NEAR((p - centre).Length(), r, 2.0f) << "point " << i;
    if (i > 0) {
      EXPECT_LT((p - points[i - 1]).Length(), 4.0f) << "a gap before point " << i;
    }
  }
  // From one axis of its circle to the other.
  EXPECT_NEAR((points.front() - points.back()).Length(), r * std::sqrt(2.0f), 2.0f);
}

TEST_P(QuarterTest, EllipsePointsLieOnTheEllipse) {
  const int quarter = GetParam();
  const float a = 80.0f;
  const float b = 30.0f;
  const std::vector<ol::Vec2> points = Kest::EllipseQuarterPoints(a, b, quarter);
  ASSERT_GT(points.size(), 10u);
  const ol::Vec2 centre = QuarterCentre(quarter, a, b);
  for (const ol::Vec2& p : points) {
    EXPECT_GE(p.x, 0.0f);
    EXPECT_LE(p.x, a);
    EXPECT_GE(p.y, 0.0f);
    EXPECT_LE(p.y, b);
    const ol::Vec2 d = p - centre;
    EXPECT_NEAR(d.x * d.x / (a * a) + d.y * d.y / (b * b), 1.0f, 0.1f);
  }
}

// Each part is a real line: the last point has no part of its own and
// coinciding points are skipped, so no part lacks a direction.
TEST_P(QuarterTest, ArcPartsAllHaveLength) {
  std::unique_ptr<Kest::Arc> arc(Kest::Arc::Create(10, 20, 40, "", GetParam()));
  ASSERT_NE(arc, nullptr);
  const auto& shape = static_cast<const Tessora::Composite&>(*arc->GetBody()->GetShape());
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

using ArcTest = Scene;

TEST_F(ArcTest, AFlippedArcIsBuiltAsTheMirroredQuarter) {
  std::unique_ptr<Kest::Arc> flipped(Kest::Arc::Create(0, 0, 30, "", 1, 2));
  std::unique_ptr<Kest::Arc> third(Kest::Arc::Create(0, 0, 30, "", 3));
  ASSERT_NE(flipped, nullptr);
  EXPECT_EQ(flipped->GetPartCount(), third->GetPartCount());
  const auto& a = static_cast<const Tessora::Composite&>(*flipped->GetBody()->GetShape());
  const auto& b = static_cast<const Tessora::Composite&>(*third->GetBody()->GetShape());
  for (int i = 0; i < a.GetPartCount(); ++i) {
    EXPECT_FLOAT_EQ(a.GetPart(i).GetPosition().x, b.GetPart(i).GetPosition().x);
    EXPECT_FLOAT_EQ(a.GetPart(i).GetPosition().y, b.GetPart(i).GetPosition().y);
  }
  ASSERT_NE(flipped->GetTexture().GetRenderMode(), nullptr);
  EXPECT_EQ(flipped->GetTexture().GetFlipMode(), 2);
}

TEST_F(ArcTest, ArcsWithoutRadiusTooLargeOrOutsideTheQuartersAreNotMade) {
  TestSupport::TraceCapture trace;
  EXPECT_EQ(Kest::Arc::Create(0, 0, 0, "", 1), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, -5, "", 2), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 50, "", 0), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 50, "", 5, 1), nullptr);
  EXPECT_EQ(Kest::Arc::CreateElliptic(0, 0, 50, 0, "", 4), nullptr);
  // Far beyond any track: the parts would fill the memory.
  EXPECT_EQ(Kest::Arc::Create(0, 0, 1e8f, "", 1), nullptr);
  EXPECT_EQ(Kest::Arc::CreateElliptic(0, 0, 50, 1e30f, "", 2), nullptr);
  EXPECT_EQ(trace.Lines().size(), 7u);
  std::unique_ptr<Kest::Arc> small(Kest::Arc::Create(0, 0, 0.5f, "", 4));
  ASSERT_NE(small, nullptr) << "a tiny arc is still an arc";
  EXPECT_EQ(small->GetPartCount(), 1) << "from its one plotted point to (r, 0)";
}

}  // namespace
}  // namespace ObjectsTest
