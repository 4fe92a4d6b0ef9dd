// The drawing layer without a screen: shape geometry and texts, the driver's paths.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/platform.h"
#include "render/curves.h"
#include "render/ellipse.h"
#include "render/line.h"
#include "render/polygon.h"
#include "render/rect.h"
#include "render/setup.h"
#include "tests/support/tracecapture.h"

namespace {

// Line: about its origin; rect: by position less pivot; circle: ignoring the
// pivot; a polygon adds the placements up.
TEST(ShapeTransform, EachShapeMovesTurnsAndStretches) {
  ol::Line line(1, 0, 2, 0);
  line.RotateBy(1.5707963f);
  EXPECT_NEAR(line.GetStart().y, -1.0f, 1e-6f);
  EXPECT_NEAR(line.GetEnd().y, -2.0f, 1e-6f);
  ol::Line stretched(1, 2, 3, 4);
  stretched.TransformBy(ol::Placement(ol::Vec2(5, 6), 0.0f, 2.0f));
  EXPECT_EQ(stretched.ToString(), "Line: Start: ( 2, 4 ) End: ( 6, 8 ) Origin: ( 5, 6 )");
  ol::Rect rect(10, 20, 30, 40);
  rect.TransformBy(ol::Placement(ol::Vec2(5, 5), 0.5f, 2.0f, ol::Vec2(1, 2)));
  rect.RotateBy(0.25f);
  EXPECT_EQ(rect.ToString(), "Rect: Pos: ( 14, 23 ) Size: ( 60, 80 ) Roundness: 0 Rotation angle: 0.75");
  ol::Circle circle(10, 20, 5);
  circle.TransformBy(ol::Placement(ol::Vec2(1, 1), 0.5f, 3.0f, ol::Vec2(100, 100)));
  EXPECT_EQ(circle.ToString(), "Circle: Pos: ( 11, 21 ) Radius: ( 15, 15 ) Angle: 0.5");
  ol::Polygon polygon(4, 4);
  polygon.MoveBy(ol::Vec2(1, 2));
  polygon.RotateBy(0.5f);
  polygon.TransformBy(ol::Placement(ol::Vec2(1, 1), 0.25f, 2.0f, ol::Vec2(9, 9)));
  EXPECT_EQ(polygon.GetPlacement().ToString(), "Position: ( 2, 3 ) Angle: 0.75 Stretch: 2");
  EXPECT_FLOAT_EQ(polygon.GetPlacement().pivot.x, 4.0f);
}

// Edge lengths leave out the closing edge; only existing vertices can be set.
TEST(Polygon, EdgeLengthsAndSetVertex) {
  TestSupport::TraceCapture trace;
  ol::Polygon polygon({ol::Vec2(0, 0), ol::Vec2(10, 0), ol::Vec2(10, 10)});
  EXPECT_FLOAT_EQ(polygon.GetTotalLength(), 20.0f);
  polygon.SetVertex(1, ol::Vec2(5, 5));
  EXPECT_FLOAT_EQ(polygon.GetVertices()[1].x, 5.0f);
  polygon.SetVertex(3, ol::Vec2(7, 7));
  polygon.SetVertex(-1, ol::Vec2(7, 7));
  ASSERT_EQ(polygon.GetVertices().size(), 3u);
  EXPECT_FLOAT_EQ(polygon.GetVertices()[2].x, 10.0f);
  EXPECT_TRUE(trace.Contains("Invalid vertex index: 3 ( Number of vertices: 3 )"));
}

// Radii or accuracies without a chord formula, or absurd ones, still give a
// finite step.
TEST(SegmentStep, StaysWithinSaneBounds) {
  const float radii[] = {-5.0f, -1.0f, 0.0f, 1e-7f, 0.5f, 1.0f, 1.5f, 20.0f, 1e9f, INFINITY, NAN};
  for (float accuracy : {ol::SHAPE_ACCURACY, 0.0f, -1.0f}) {
    for (float radius : radii) {
      const float step = ol::SegmentStep(radius, accuracy);
      EXPECT_GE(step, ol::MIN_SEGMENT_STEP) << radius << " " << accuracy;
      EXPECT_LE(step, ol::MAX_SEGMENT_STEP) << radius << " " << accuracy;
    }
  }
}

TEST(GraphicsDriver, PathsAreTakenFromTheExecutablesFolder) {
  const std::string folder = ol::Setup::GetExecutablePath();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(folder, Platform::ExecutableDirectory());
  // The game's backslashes stay until the file is opened.
  EXPECT_EQ(ol::Setup::ToAbsolutePathname("res\\x.png"), folder + "res\\x.png");
  EXPECT_EQ(ol::Setup::ToAbsolutePathname("/tmp/x.png"), "/tmp/x.png");
}

}  // namespace
