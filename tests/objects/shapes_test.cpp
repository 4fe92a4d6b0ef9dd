#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "game/objects/arc.h"
#include "game/objects/arcpoints.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/composite.h"
#include "game/objects/line.h"
#include "tessora/block.h"
#include "tessora/composite.h"
#include "tessora/object.h"
#include "tests/support/scene.h"
#include "tests/support/tracecapture.h"

namespace {

using TestSupport::Scene;

struct Kind {
  std::string name;
  std::function<Kest::Object*()> make;
};

// Things that fall, each with its lowest point at y = 95 and centred on x = 300.
const Kind kFallingLine = {"line", [] { return new Kest::Line(290, 95, 310, 95, "", true); }};
const Kind kFallers[] = {
    {"circle", [] { return new Kest::Circle(300, 85, 10, "", true); }},
    {"block", [] { return new Kest::Block(290, 85, 20, 10, "", true); }},
    {"composite",
     [] {
       auto* crate = new Kest::Composite(300, 85, "", true);
       crate->AddBlock(-10, -5, 20, 10);
       crate->AddCircle(0, 0, 10);
       crate->Finalize();
       return crate;
     }},
};

// Grounds whose top is y = 100 under x = 300 (the bowl's bottom is at x = 350, half a pixel lower).
const Kind kBoxedGrounds[] = {
    {"block", [] { return new Kest::Block(0, 100, 600, 40, "", false); }},
    {"circle", [] { return new Kest::Circle(300, 400, 300, "", false); }},
};
const Kind kGrounds[] = {
    kBoxedGrounds[0],
    kBoxedGrounds[1],
    {"line", [] { return new Kest::Line(0, 100, 600, 100, "", false); }},
    {"arc", [] { return Kest::Arc::Create(-1650, -1900, 2000, "", 3); }},
    {"triangle",
     [] { return new Kest::TriangleComposite(ol::Vec2(0, 100), ol::Vec2(600, 100), ol::Vec2(300, 200)); }},
    {"composite",
     [] {
       auto* ground = new Kest::Composite(0, 100, "", false);
       ground->AddLine(0, 0, 600, 0);
       ground->Finalize();
       return ground;
     }},
};

class RestingTest : public Scene,
                    public ::testing::WithParamInterface<std::tuple<Kind, Kind>> {};

// Each kind lands on each static ground and stays: neither sinks in nor falls through.
TEST_P(RestingTest, FallsOntoTheGroundAndRests) {
  ASSERT_TRUE(space.Insert(std::get<1>(GetParam()).make()));
  Kest::Object* faller = std::get<0>(GetParam()).make();
  space.Insert(faller);

  Step(400);
  const float settled = faller->GetCenter().y;
  Step(100);
  EXPECT_NEAR(faller->GetBody()->GetShape()->GetBox().maxY, 100.0f, 2.0f);
  EXPECT_NEAR(faller->GetCenter().y, settled, 0.5f) << "still moving";
  EXPECT_GT(settled, 85.0f - 1.0f) << "it fell";
}

std::string KindNames(const ::testing::TestParamInfo<std::tuple<Kind, Kind>>& info) {
  return std::get<0>(info.param).name + "_on_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RestingTest,
                         ::testing::Combine(::testing::ValuesIn(kFallers),
                                            ::testing::ValuesIn(kGrounds)),
                         KindNames);
// A level line's box has no height and the box test is strict: a falling
// line needs a ground with height.
INSTANTIATE_TEST_SUITE_P(FallingLine, RestingTest,
                         ::testing::Combine(::testing::Values(kFallingLine),
                                            ::testing::ValuesIn(kBoxedGrounds)),
                         KindNames);

using ShapeObjectTest = Scene;

// The copy is a new block of the same size where the original stands now,
// with the original's mirroring but not its colours, and moves on its own.
TEST_F(ShapeObjectTest, AClonedBlockIsANewBlockWhereTheOriginalStands) {
  auto* original = new Kest::Block(100, 80, 40, 20, "", true);
  original->SetFillColor(0, 255, 0, 255);
  original->GetTexture().SetFlipMode(1);
  space.Insert(original);
  space.Insert(new Kest::Block(0, 100, 400, 20, "", false));
  Step(200);
  auto* copy = static_cast<Kest::Block*>(original->Clone());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetWidth(), 40.0f);
  EXPECT_NEAR((copy->GetCenter() - original->GetCenter()).Length(), 0.0f, 1e-3f);
  EXPECT_FALSE(copy->IsFilled());
  EXPECT_NE(copy->GetTexture().GetRenderMode(), nullptr);
  original->SetRemoved(true);
  Sweep();
  copy->GetBody()->SetPosition(Tessora::Vec2(200, 0));
  space.Insert(copy);
  Step(20);
  EXPECT_GT(copy->GetCenter().y, 0.0f) << "it falls";
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

// Quarters as on the screen: 1 upper right, 2 upper left, 3 lower left,
// 4 lower right; mirrored sideways, upside down, or both.
TEST(FlipQuarter, MirrorsTheQuarterOnTheScreen) {
  const int mirrored[3][4] = {{2, 1, 4, 3}, {4, 3, 2, 1}, {3, 4, 1, 2}};
  for (int flip = 0; flip < 3; ++flip)
    for (int quarter = 1; quarter <= 4; ++quarter)
      EXPECT_EQ(Kest::FlipQuarter(quarter, flip), mirrored[flip][quarter - 1]) << quarter << ", " << flip;
}

// Far beyond any track the parts would fill the memory; a tiny arc is one
// part, from its one plotted point to (r, 0).
TEST_F(ShapeObjectTest, ArcsWithoutRadiusTooLargeOrOutsideTheQuartersAreNotMade) {
  TestSupport::TraceCapture trace;
  for (const float radius : {0.0f, -5.0f, 1e8f}) EXPECT_EQ(Kest::Arc::Create(0, 0, radius, "", 2), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 50, "", 0), nullptr);
  EXPECT_EQ(Kest::Arc::Create(0, 0, 50, "", 5, 1), nullptr);
  EXPECT_EQ(Kest::Arc::CreateElliptic(0, 0, 50, 0, "", 4), nullptr);
  EXPECT_EQ(Kest::Arc::CreateElliptic(0, 0, 50, 1e30f, "", 2), nullptr);
  EXPECT_EQ(trace.Lines().size(), 7u);
  std::unique_ptr<Kest::Arc> small(Kest::Arc::Create(0, 0, 0.5f, "", 4));
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->GetPartCount(), 1);
}

}  // namespace
