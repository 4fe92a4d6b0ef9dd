// What the shapes cover on a real screen.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "render/canvas.h"
#include "render/curves.h"
#include "render/ellipse.h"
#include "render/gl.h"
#include "render/line.h"
#include "render/placement.h"
#include "render/polygon.h"
#include "render/rect.h"
#include "render/settings.h"
#include "render/transforms.h"
#include "tests/support/glscreen/screen.h"

namespace {

using namespace GlSupport;

const ol::Rgba RED(1.0f, 0.0f, 0.0f, 1.0f);

class ShapeDrawing : public GlSupport::ScreenTest {};

// A shape from outside the layer that draws with GL itself, as the game's
// filled triangle does: the lower-left half of (0, 0, 20, 20).
class GlTriangle : public ol::Shape {
 public:
  void MoveBy(const ol::Vec2&) override {}
  void MoveTo(const ol::Vec2&) override {}
  std::string ToString() const override { return "triangle"; }
  void DrawRaw() const override {
    glBegin(GL_TRIANGLES);
    glVertex2f(0, 0);
    glVertex2f(20, 20);
    glVertex2f(0, 20);
    glEnd();
  }
  void DrawOutlineRaw() const override { DrawRaw(); }
};

TEST_F(ShapeDrawing, AShapeDrawingWithGLItselfComesAfterEarlierDrawsInItsColour) {
  ol::Rect(0, 0, 20, 20).Draw(RED);
  GlTriangle().Draw(ol::Rgba(0.0f, 0.0f, 1.0f, 1.0f));
  EXPECT_EQ(ReadPixel(2, 17).b, 255);
  EXPECT_EQ(ReadPixel(2, 17).r, 0);
  EXPECT_EQ(ReadPixel(17, 2).r, 255);
}

// A filled rect covers its area exactly, in tint times colour; its outline lies outside it.
TEST_F(ShapeDrawing, RectFillAndOutline) {
  ol::Transforms::SetTintColor(ol::Rgba(0.5f, 0.5f, 0.5f, 1.0f));
  ol::Rect(10, 20, 30, 40).Draw(RED);
  EXPECT_NEAR(ReadPixel(11, 21).r, 128, 1);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ol::Rect(100, 100, 20, 10, 2.0f).DrawOutline(RED);
  EXPECT_EQ(CountRed(0, 0, 300, 300), 30 * 40 + 24 * 14 - 20 * 10);
  EXPECT_EQ(CountRed(100, 100, 20, 10), 0);
  EXPECT_EQ(CountRed(98, 98, 24, 14), 24 * 14 - 20 * 10);
}

// A turn goes about the canvas origin, either way round: a quarter turn by
// +pi/2 takes (x, y) to (-y, x), by -pi/2 to (y, -x).
TEST_F(ShapeDrawing, TurnedRectTurnsAboutTheCanvasOrigin) {
  for (auto [angle, rect] : {std::pair(ol::HALF_PI, ol::Rect(100, -30, 20, 10)),
                              std::pair(-ol::HALF_PI, ol::Rect(-120, 20, 20, 10))}) {
    ol::Canvas::Fill(0, 0, 0, 1);
    rect.RotateBy(angle);
    rect.Draw(RED);
    EXPECT_EQ(CountRed(20, 100, 10, 20), 10 * 20) << angle;
    EXPECT_EQ(CountRed(0, 0, 800, 600), 10 * 20) << angle;
  }
}

TEST_F(ShapeDrawing, RoundedRectCutsItsCorners) {
  ol::Rect(100, 100, 60, 40, 1.0f, 10.0f).Draw(RED);
  EXPECT_EQ(ReadPixel(100, 100).r, 0);
  EXPECT_EQ(ReadPixel(159, 139).r, 0);
  EXPECT_EQ(ReadPixel(130, 120).r, 255);
  EXPECT_EQ(ReadPixel(100, 120).r, 255);
  const double area = 60.0 * 40.0 - (4.0 - M_PI) * 100.0;
  EXPECT_NEAR(CountRed(90, 90, 80, 60), area, area * 0.02);
  ol::Canvas::Fill(0, 0, 0, 1);
  ol::Rect(100, 100, 60, 40, 3.0f, 10.0f).DrawOutline(RED);
  EXPECT_EQ(CountRed(110, 100, 40, 40), 0);
  EXPECT_EQ(CountRed(100, 110, 60, 20), 0);
  EXPECT_EQ(ReadPixel(101, 101).r, 255) << "the corner ring runs outside the rounded corner";
}

// A disc; a thick outline lies inside the circle, a thin one is a loop.
TEST_F(ShapeDrawing, CircleFillAndOutlines) {
  ol::Circle(200, 200, 20).Draw(RED);
  const double area = M_PI * 400.0;
  EXPECT_NEAR(CountRed(170, 170, 60, 60), area, area * 0.04);
  EXPECT_EQ(ReadPixel(223, 200).r, 0);
  ol::Circle(400, 200, 20, 4.0f).DrawOutline(RED);
  EXPECT_EQ(ReadPixel(400, 200).r, 0);
  EXPECT_EQ(ReadPixel(418, 200).r, 255);
  EXPECT_EQ(ReadPixel(422, 200).r, 0);
  const double ring = M_PI * (400.0 - 256.0);
  EXPECT_NEAR(CountRed(370, 170, 60, 60), ring, ring * 0.1);
  ol::Circle(600, 200, 20, 1.0f).DrawOutline(RED);
  EXPECT_EQ(ReadPixel(600, 200).r, 0);
  EXPECT_GT(CountRed(570, 170, 60, 60), 80);
  EXPECT_LT(CountRed(570, 170, 60, 60), 400);
}

// A triangle filled at its placement; a square's outline a band of half width 1.
TEST_F(ShapeDrawing, PolygonFillAndOutline) {
  ol::Polygon triangle({ol::Vec2(0, 0), ol::Vec2(40, 0), ol::Vec2(0, 40)});
  triangle.MoveTo(ol::Vec2(300, 300));
  triangle.Draw(RED);
  EXPECT_NEAR(CountRed(290, 290, 60, 60), 800.0, 30.0);
  EXPECT_EQ(ReadPixel(335, 335).r, 0);
  ol::Polygon square({ol::Vec2(0, 0), ol::Vec2(40, 0), ol::Vec2(40, 40), ol::Vec2(0, 40)});
  square.MoveTo(ol::Vec2(400, 300));
  square.DrawOutline(RED);
  EXPECT_EQ(ReadPixel(420, 320).r, 0) << "the inside stays empty";
  EXPECT_EQ(ReadPixel(440, 320).r, 255);
  EXPECT_NEAR(CountRed(380, 280, 80, 80), 160.0 * 2.0, 40.0);
}

TEST_F(ShapeDrawing, LineDrawsBetweenItsEndsAtItsOrigin) {
  ol::Line line(0, 0.5f, 50, 0.5f, 1.0f);
  line.MoveTo(ol::Vec2(100, 400));
  ol::Settings::SetAntialiasing(false);
  line.Draw(RED);
  ol::Settings::SetAntialiasing(true);
  EXPECT_EQ(ReadPixel(125, 400).r, 255);
  EXPECT_NEAR(CountRed(90, 390, 70, 20), 50, 2);
}

// Moved, turned by minus the angle about the pivot, and stretched about the
// centre of the 800 x 600 screen.
TEST_F(ShapeDrawing, PlacementMovesTurnsAboutThePivotAndStretchesAboutTheScreenCentre) {
  const ol::Affine placed = ol::Placement(ol::Vec2(10, 20), 1.5707963f, 2.0f).ToAffine(ol::Vec2(100, 0));
  EXPECT_NEAR(placed.Apply(0, 0).x, -190.0f, 1e-3f);
  EXPECT_NEAR(placed.Apply(0, 0).y, 520.0f, 1e-3f);
  EXPECT_NEAR(placed.Apply(100, 50).x, -90.0f, 1e-3f);
  EXPECT_NEAR(placed.Apply(100, 50).y, 320.0f, 1e-3f);
}

// Radii without area draw nothing, and no radius makes the drawing loop run away.
TEST_F(ShapeDrawing, DegenerateRadiiFinishAndDrawNothing) {
  const float empty[] = {0.0f, -1.0f, -5.0f, -1e9f, NAN};
  for (float radius : empty) {
    ol::Circle circle(200, 200, radius, 2.0f);
    circle.Draw(RED);
    circle.DrawOutline(RED);
    ol::Circle(200, 200, radius, 1.0f).DrawOutline(RED);
  }
  EXPECT_EQ(CountRed(0, 0, 800, 600), 0);
  for (const ol::Circle& extreme : {ol::Circle(200, 200, 1e-7f), ol::Circle(200, 200, 1e9f, 3.0f)}) {
    extreme.Draw(RED);
    extreme.DrawOutline(RED);
  }
  ol::Rect(10, 10, 20, 20, 1.0f, 0.5f).Draw(RED);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
