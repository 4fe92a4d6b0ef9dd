// The GUI backend's drawing, read back from the back buffer.
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

void ExpectColourNear(const Pixel& got, const Pixel& want) { GlSupport::ExpectPixelNear(got, want, 3); }

// The scissor is on, with this box in canvas coordinates (y down).
void ExpectScissor(int x, int y, int w, int h) {
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_EQ((std::array<int, 4>{box[0], GlSupport::WINDOW_H - box[1] - box[3], box[2], box[3]}),
            (std::array<int, 4>{x, y, w, h}));
}

// A 64 x 16 strip of 16 x 16 cells: red, green, then blue.
std::string WriteStrip() {
  const GlSupport::Painter cells = [](int x, int) { return Pixel{x < 16 ? 255 : 0, x / 16 == 1 ? 255 : 0, x < 32 ? 0 : 255}; };
  return GlSupport::SavePng(GlSupport::MakeImage(32, 64, 16, cells), "strip.png");
}

class OlGraphicsTest : public GlSupport::ScreenTest {
 protected:
  gcn::OlGraphics graphics;
};

// Widgets draw at their clip area's offset in screen coordinates: the camera
// moves the level, not the GUI; one cell of a strip lands at the destination.
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
  ExpectColourNear(ReadPixel(205, 105), BLACK);
  for (const auto& at : {std::pair{240, 140}, std::pair{255, 140}, std::pair{240, 155}, std::pair{255, 155}})
    ExpectColourNear(ReadPixel(at.first, at.second), GREEN);
  ExpectColourNear(ReadPixel(239, 147), BLACK);  // the red cell would stand here
  ExpectColourNear(ReadPixel(256, 147), BLACK);  // and the third one here
  ExpectColourNear(ReadPixel(247, 156), BLACK);
}

// The colour's alpha and the tint's multiply: 128/255 x 0.5 is about 0.25 red over black.
TEST_F(OlGraphicsTest, ColourAlphaIsMultipliedByTheTint) {
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 0.5f));
  graphics._beginDraw();
  graphics.setColor(gcn::Color(255, 0, 0, 128));
  graphics.fillRectangle(gcn::Rectangle(10, 10, 20, 20));
  graphics._endDraw();
  ExpectColourNear(ReadPixel(20, 20), Pixel{64, 0, 0, 255});
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

// An image of another loader, or drawing outside a GUI draw (no clip area), throws.
TEST_F(OlGraphicsTest, ForeignImagesAndDrawingOutsideAGuiDrawThrow) {
  EXPECT_THROW(graphics.fillRectangle(gcn::Rectangle(0, 0, 10, 10)), gcn::Exception);
  WriteStrip();
  const std::unique_ptr<gcn::Image> foreign(gcn::AllegroImageLoader().load(GlSupport::ScratchPath() + "strip.png"));
  graphics._beginDraw();
  EXPECT_THROW(graphics.drawImage(foreign.get(), 0, 0, 0, 0, 16, 16), gcn::Exception);
  graphics._endDraw();
  EXPECT_EQ(gcn::OlImageLoader().load("res\\no-such-image.png"), nullptr);
}

}  // namespace
