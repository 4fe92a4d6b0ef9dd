// The drawing state under a real OpenGL screen.
#include <gtest/gtest.h>

#include <vector>

#include "render/bitmap.h"
#include "render/blenders.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/rect.h"
#include "render/settings.h"
#include "render/setup.h"
#include "render/transforms.h"
#include "tests/support/glscreen/screen.h"

namespace {

using namespace GlSupport;

const ol::Rgba RED(1.0f, 0.0f, 0.0f, 1.0f);

std::vector<int> Rgba(const GlSupport::Pixel& p) { return {p.r, p.g, p.b, p.a}; }

int GetInt(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

// The screen of this program's tests, shapes and bitmap targets included.
const bool screen = (GlSupport::OpenScreenForEveryTest(), true);

class Canvas : public GlSupport::ScreenTest {};

TEST_F(Canvas, BlenderPresetsStackAndUnknownPresets) {
  const int presets[][3] = {{ol::ALPHA_BLENDER, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
                            {ol::ADDITIVE_BLENDER, GL_SRC_ALPHA, GL_ONE},
                            {ol::SUBTRACTIVE_BLENDER, GL_ZERO, GL_ONE_MINUS_SRC_COLOR},
                            {ol::FULL_ADDITIVE_BLENDER, GL_ONE, GL_ONE}};
  for (const auto& e : presets) {
    ol::Blenders::Set(e[0]);
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << e[0];
    EXPECT_EQ(GetInt(GL_BLEND_SRC), e[1]) << e[0];
    EXPECT_EQ(GetInt(GL_BLEND_DST), e[2]) << e[0];
  }
  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  glDisable(GL_BLEND);
  ol::Blenders::Set(7);  // unknown: the current pair again
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(GetInt(GL_BLEND_DST), GL_ONE);
  ol::Blenders::Push();
  ol::Blenders::Set(ol::COPY_BLENDER);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  ol::Blenders::Pop();
  EXPECT_EQ(GetInt(GL_BLEND_DST), GL_ONE);
  ol::Blenders::Set(ol::COPY_BLENDER);
  ol::Blenders::Pop();  // nothing pushed
  ol::Blenders::Restore();
  EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the current pair is still the copy preset";
}

// The camera moves every frame: what it shifts lands shifted, and the
// model-view stack must not grow.
TEST_F(Canvas, CameraShiftsDrawingWithoutGrowingTheMatrixStack) {
  const int depth = GetInt(GL_MODELVIEW_STACK_DEPTH);
  for (int frame = 0; frame < 50; ++frame) {
    ol::Transforms::SetPosition(-frame * 3.0f, frame * 2.0f);
    ol::Rect(10, 10, 5, 5, 2.0f, 2.0f).DrawOutline(RED);
    ol::Canvas::Refresh();
  }
  EXPECT_EQ(GetInt(GL_MODELVIEW_STACK_DEPTH), depth);
  ol::Canvas::Fill(0, 0, 0, 1);
  ol::Transforms::SetPosition(-100.0f, 0.0f);
  ol::Rect(120, 50, 10, 10).Draw(RED);
  EXPECT_EQ(CountRed(20, 50, 10, 10), 100);
  EXPECT_EQ(CountRed(0, 0, 800, 600), 100);
}

// One channel filled, then drawing writes all channels again.
TEST_F(Canvas, FillWritesOnlyTheChannelsAskedFor) {
  ol::Canvas::Fill(1.0f, 0.0f, 0.0f, 1.0f);
  ol::Canvas::Fill(0.0f, 1.0f, 1.0f, 0.0f, ol::WRITE_ALPHA_ONLY);
  EXPECT_EQ(Rgba(ReadPixel(5, 5)), (std::vector<int>{255, 0, 0, 0}));
  ol::Canvas::Fill(0.0f, 0.0f, 1.0f, 1.0f, ol::WRITE_COLOR_ONLY);
  EXPECT_EQ(Rgba(ReadPixel(5, 5)), (std::vector<int>{0, 0, 255, 0}));
  ol::Rect(0, 0, 10, 10).Draw(RED);
  EXPECT_EQ(Rgba(ReadPixel(5, 5)), (std::vector<int>{255, 0, 0, 255}));
}

TEST_F(Canvas, ClippingUsesTheTopRectangleCountedFromTheTop) {
  ol::Canvas::SetClipping(10, 20, 100, 50);
  ol::Canvas::Fill(1, 0, 0, 1);
  EXPECT_EQ(CountRed(10, 20, 100, 50), 100 * 50);
  EXPECT_EQ(CountRed(0, 0, 800, 600), 100 * 50);
  // A second rectangle replaces the first (no intersection).
  ol::Canvas::SetClipping(300, 300, 10, 10);
  ol::Canvas::Fill(0, 0, 0, 1);
  EXPECT_EQ(CountRed(0, 0, 800, 600), 100 * 50);
  ol::Canvas::DisableClipping();
  ol::Canvas::Fill(0, 0, 0, 1);
  EXPECT_EQ(CountRed(0, 0, 800, 600), 0);
}

TEST_F(Canvas, BuffersKeepTheirOwnClipStacksAndTheCanvasStackRestoresThem) {
  EXPECT_FALSE(ol::Canvas::PopCanvas());
  ol::Canvas::SetClipping(10, 20, 100, 50);
  ol::Canvas::SetTo(ol::BITMAP_TARGET);  // refused without a bitmap
  EXPECT_EQ(ol::Canvas::GetTarget(), ol::BACK_BUFFER_TARGET);
  ol::Canvas::PushCanvas();
  ol::Canvas::SetTo(ol::FRONT_BUFFER_TARGET);
  EXPECT_EQ(GetInt(GL_DRAW_BUFFER), GL_FRONT);
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  ol::Canvas::SetClipping(0, 0, 5, 5);
  ol::Canvas::Refresh();  // the front buffer is finished, not flipped
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_EQ(box[1], 595);
  ASSERT_TRUE(ol::Canvas::PopCanvas());
  EXPECT_EQ(ol::Canvas::GetTarget(), ol::BACK_BUFFER_TARGET);
  EXPECT_EQ(GetInt(GL_DRAW_BUFFER), GL_BACK);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_EQ(std::vector<GLint>(box + 1, box + 3), (std::vector<GLint>{530, 100}));
  ol::Canvas::SetTo(ol::FRONT_BUFFER_TARGET);
  ol::Canvas::DisableClipping();
}

// The frame's last draws reach the buffer before the flip, under the current blender.
TEST_F(Canvas, RefreshDrawsWhatWasGatheredAndReappliesTheBlender) {
  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  const long before = ol::DrawBatch::DrawsMade();
  ol::Rect(0, 0, 10, 10).Draw(RED);
  glBlendFunc(GL_ONE, GL_ONE);
  ol::Canvas::Refresh();
  EXPECT_EQ(ol::DrawBatch::DrawsMade() - before, 1);
  EXPECT_EQ(GetInt(GL_BLEND_SRC), GL_SRC_ALPHA);
}

TEST_F(Canvas, AntialiasingSmoothsLinesOnlyAndTurnsOffBoth) {
  glEnable(GL_POINT_SMOOTH);
  ol::Settings::SetAntialiasing(false);
  EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
  ol::Settings::SetAntialiasing(true);
  EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
}

// A hidden screen takes no pixel from gathered draws, GL's own draws or
// fills, while a bitmap target still takes its drawing; with the savings
// off nothing is hidden.
TEST_F(Canvas, AHiddenScreenTakesNoPixelButBitmapsStillTakeTheirDrawing) {
  ol::Bitmap target;
  target.Load(GlSupport::SavePng(GlSupport::MakeImage(32, 8, 8, [](int, int) { return GlSupport::Pixel{}; }),
                                 "target.png"));
  ol::Canvas::HideScreenDrawing(true);
  ol::Rect(0, 20, 20, 20).Draw(RED);
  ol::DrawBatch::FlushForDirectDrawing();
  glBegin(GL_QUADS);
  glVertex2f(30, 20), glVertex2f(50, 20), glVertex2f(50, 40), glVertex2f(30, 40);
  glEnd();
  ol::Canvas::Fill(1, 0, 0, 1);
  ol::Canvas::PushCanvas();
  ol::Canvas::SetToBitmap(target);
  ol::Rect(0, 0, 8, 8).Draw(RED);
  ASSERT_TRUE(ol::Canvas::PopCanvas());
  ol::Rect(60, 20, 20, 20).Draw(RED);
  ol::Canvas::HideScreenDrawing(false);
  // Drawing into a bitmap works in the back buffer's corner: only there.
  EXPECT_EQ(CountRed(0, 0, 800, 600), 64);
  EXPECT_EQ(CountRed(0, 0, 8, 8), 64);
  target.Blit(100, 100);
  EXPECT_EQ(CountRed(100, 100, 8, 8), 64);

  ol::Settings::SetPixelSavings(false);
  ol::Canvas::HideScreenDrawing(true);
  ol::Rect(0, 20, 20, 20).Draw(RED);
  ol::Canvas::HideScreenDrawing(false);
  ol::Settings::SetPixelSavings(true);
  EXPECT_EQ(CountRed(0, 20, 20, 20), 400);
}

// The widgets leave a clip of the whole window behind: it cuts nothing.
TEST_F(Canvas, AClipHoldingTheWholeWindowLeavesItWhole) {
  ol::Canvas::SetClipping(0, 0, 800, 600);
  EXPECT_TRUE(ol::Canvas::IsWholeBackBuffer());
  ol::Canvas::SetClipping(0, 0, 800, 599);
  EXPECT_FALSE(ol::Canvas::IsWholeBackBuffer());
  ol::Canvas::DisableClipping();
  ol::Canvas::HideScreenDrawing(true);
  EXPECT_FALSE(ol::Canvas::IsWholeBackBuffer());
  ol::Canvas::HideScreenDrawing(false);
  EXPECT_TRUE(ol::Canvas::IsWholeBackBuffer());
}

}  // namespace
