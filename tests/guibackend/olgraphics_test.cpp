// The GUI backend's drawing, read back from the back buffer. Its images
// come from files named as the game names them (relative, backslashes).

// Before the GL headers, which bring X11's macros along.
#include <gtest/gtest.h>

#include <guichan/allegro/allegroimageloader.hpp>
#include <guichan/exception.hpp>
#include <guichan/rectangle.hpp>

#include <array>
#include <memory>

#include "render/allegrogl/olgraphics.h"
#include "render/allegrogl/olimageloader.h"
#include "render/canvas.h"
#include "render/gl.h"
#include "render/transforms.h"
#include "tests/support/glscreen/screen.h"

namespace {

using GlSupport::Pixel;
using GlSupport::ReadPixel;

const bool screen = (GlSupport::OpenScreenForEveryTest(), true);

const Pixel BLACK{0, 0, 0, 255};
const Pixel RED{255, 0, 0, 255};
const Pixel GREEN{0, 255, 0, 255};

void ExpectColourNear(const Pixel& got, const Pixel& want, int tolerance = 3) {
  EXPECT_NEAR(got.r, want.r, tolerance);
  EXPECT_NEAR(got.g, want.g, tolerance);
  EXPECT_NEAR(got.b, want.b, tolerance);
}

// The scissor is on, with this box in canvas coordinates (y down).
void ExpectScissor(int x, int y, int w, int h) {
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_EQ((std::array<int, 4>{box[0], GlSupport::WINDOW_H - box[1] - box[3], box[2], box[3]}),
            (std::array<int, 4>{x, y, w, h}));
}

// A 64 x 16 strip of four 16 x 16 cells: red, green, blue, white.
std::string WriteStrip() {
  const GlSupport::Painter cells = [](int x, int) {
    const GlSupport::Pixel colours[] = {
        {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
    return colours[x / 16];
  };
  return GlSupport::SavePng(GlSupport::MakeImage(32, 64, 16, cells), "strip.png");
}

class OlGraphicsTest : public GlSupport::ScreenTest {
 protected:
  gcn::OlGraphics graphics;
};

// Widgets draw at their clip area's offset in screen coordinates: the
// layer's camera moves the level, not the GUI over it.
TEST_F(OlGraphicsTest, ShapesAndImagesDrawAtTheWidgetsOffsetWhateverTheCamera) {
  gcn::OlImageLoader loader;
  const std::unique_ptr<gcn::Image> strip(loader.load(WriteStrip()));
  ASSERT_NE(strip, nullptr);
  ol::Transforms::SetPosition(30.0f, -20.0f);
  graphics._beginDraw();
  graphics.pushClipArea(gcn::Rectangle(200, 100, 100, 100));
  graphics.setColor(gcn::Color(255, 0, 0, 255));
  graphics.fillRectangle(gcn::Rectangle(10, 10, 10, 10));
  graphics.drawImage(strip.get(), 16, 0, 40, 40, 16, 16);
  graphics.popClipArea();
  graphics._endDraw();
  ExpectColourNear(ReadPixel(215, 115), RED);
  ExpectColourNear(ReadPixel(248, 148), GREEN);
  ExpectColourNear(ReadPixel(205, 105), BLACK);
}

// The colour's alpha and the tint's multiply: 128/255 x 0.5 is about 0.25
// of red over black.
TEST_F(OlGraphicsTest, ColourAlphaIsMultipliedByTheTint) {
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 0.5f));
  graphics._beginDraw();
  graphics.setColor(gcn::Color(255, 0, 0, 128));
  graphics.fillRectangle(gcn::Rectangle(10, 10, 20, 20));
  graphics._endDraw();
  ExpectColourNear(ReadPixel(20, 20), Pixel{64, 0, 0, 255});
  EXPECT_EQ(graphics.getColor(), gcn::Color(255, 0, 0, 128));
}

TEST_F(OlGraphicsTest, ScissorFollowsTheTopClipAreaAndKeepsTheScreenAfterTheDraw) {
  graphics._beginDraw();
  ExpectScissor(0, 0, 800, 600);
  graphics.pushClipArea(gcn::Rectangle(100, 50, 300, 200));
  graphics.pushClipArea(gcn::Rectangle(20, 30, 500, 40));  // cut at the parent's right edge
  ExpectScissor(120, 80, 280, 40);
  graphics.popClipArea();
  ExpectScissor(100, 50, 300, 200);
  graphics.popClipArea();
  graphics._endDraw();
  ExpectScissor(0, 0, 800, 600);
}

TEST_F(OlGraphicsTest, OneCellOfAStripLandsAtTheDestination) {
  gcn::OlImageLoader loader;
  const std::unique_ptr<gcn::Image> strip(loader.load(WriteStrip()));
  ASSERT_NE(strip, nullptr);
  graphics._beginDraw();
  graphics.drawImage(strip.get(), 16, 0, 100, 50, 16, 16);
  graphics._endDraw();
  for (const auto& corner : {std::pair{100, 50}, std::pair{115, 50}, std::pair{100, 65},
                             std::pair{115, 65}}) {
    SCOPED_TRACE(corner.first);
    ExpectColourNear(ReadPixel(corner.first, corner.second), GREEN);
  }
  ExpectColourNear(ReadPixel(99, 57), BLACK);   // the red cell would stand here
  ExpectColourNear(ReadPixel(116, 57), BLACK);  // and the blue one here
  ExpectColourNear(ReadPixel(107, 66), BLACK);
}

TEST_F(OlGraphicsTest, PointsAndLinesDrawInTheColour) {
  graphics._beginDraw();
  graphics.setColor(gcn::Color(255, 0, 0, 255));
  graphics.drawLine(10, 100, 200, 100);
  graphics.drawPoint(300, 300);
  graphics.drawRectangle(gcn::Rectangle(400, 400, 50, 30));
  graphics._endDraw();
  EXPECT_GT(GlSupport::CountRed(100, 98, 20, 4), 10);
  EXPECT_GT(GlSupport::CountRed(298, 298, 5, 5), 0);
  EXPECT_GT(GlSupport::CountRed(398, 398, 4, 34), 20);  // the left edge
  EXPECT_EQ(GlSupport::CountRed(405, 405, 40, 20), 0);  // an outline only
}

TEST_F(OlGraphicsTest, AnImageOfAnotherLoaderThrows) {
  gcn::AllegroImageLoader allegroLoader;
  const std::string path = GlSupport::ScratchPath() + "strip.png";
  WriteStrip();
  const std::unique_ptr<gcn::Image> foreign(allegroLoader.load(path));
  graphics._beginDraw();
  EXPECT_THROW(graphics.drawImage(foreign.get(), 0, 0, 0, 0, 16, 16), gcn::Exception);
  graphics._endDraw();
}

// Drawing outside _beginDraw and _endDraw has no clip area to work in.
TEST_F(OlGraphicsTest, DrawingOutsideAGuiDrawThrows) {
  EXPECT_THROW(graphics.fillRectangle(gcn::Rectangle(0, 0, 10, 10)), gcn::Exception);
}

TEST(OlImageLoader, AMissingFileGivesNoImage) {
  gcn::OlImageLoader loader;
  EXPECT_EQ(loader.load("res\\no-such-image.png"), nullptr);
}

}  // namespace
