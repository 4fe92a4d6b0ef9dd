// The drawing state under a real OpenGL screen.
#include <gtest/gtest.h>

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

using GlSupport::ReadPixel;

const ol::Rgba RED(1.0f, 0.0f, 0.0f, 1.0f);

int GetInt(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

// GL state straight after SetupScreen.
struct StateAfterSetup {
  int blendSource = 0;
  int blendDestination = 0;
  bool lineSmooth = false;
  int modelViewDepth = 0;
  int alphaBits = 0;
  int backBufferAlpha = 0;
  ol::Rgba tint;
};
StateAfterSetup setupState;

void RecordSetupState() {
  setupState = StateAfterSetup{GetInt(GL_BLEND_SRC), GetInt(GL_BLEND_DST),
                               glIsEnabled(GL_LINE_SMOOTH) == GL_TRUE,
                               GetInt(GL_MODELVIEW_STACK_DEPTH), GetInt(GL_ALPHA_BITS),
                               ReadPixel(400, 300).a, *ol::Transforms::GetTintColor()};
}

// The screen of this program's tests, shapes and bitmap targets included.
const bool screen = (GlSupport::OpenScreenForEveryTest({}, RecordSetupState), true);

class Canvas : public GlSupport::ScreenTest {};

TEST(SetupScreen, PutsTheDrawingStateIntoItsStartCondition) {
  const StateAfterSetup& state = setupState;
  EXPECT_TRUE(ol::Setup::IsScreenSetUp());
  EXPECT_EQ(ol::Canvas::Width(), 800);
  EXPECT_EQ(ol::Canvas::Height(), 600);
  EXPECT_EQ(state.blendSource, GL_SRC_ALPHA);
  EXPECT_EQ(state.blendDestination, GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_TRUE(state.lineSmooth);
  EXPECT_FLOAT_EQ(state.tint.r * state.tint.g * state.tint.b * state.tint.a, 1.0f);
  EXPECT_EQ(state.modelViewDepth, 2) << "the base matrix and the layer's own";
  EXPECT_GT(state.alphaBits, 0);
  EXPECT_EQ(state.backBufferAlpha, 255);
}

TEST_F(Canvas, BlenderPresetsSetTheirFactors) {
  struct Expected {
    int preset;
    GLenum source;
    GLenum destination;
  };
  const Expected presets[] = {{ol::ALPHA_BLENDER, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
                              {ol::ADDITIVE_BLENDER, GL_SRC_ALPHA, GL_ONE},
                              {ol::SUBTRACTIVE_BLENDER, GL_ZERO, GL_ONE_MINUS_SRC_COLOR},
                              {ol::FULL_ADDITIVE_BLENDER, GL_ONE, GL_ONE}};
  for (const Expected& e : presets) {
    ol::Blenders::Set(e.preset);
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << e.preset;
    EXPECT_EQ(GetInt(GL_BLEND_SRC), static_cast<int>(e.source)) << e.preset;
    EXPECT_EQ(GetInt(GL_BLEND_DST), static_cast<int>(e.destination)) << e.preset;
  }
  ol::Blenders::Set(ol::COPY_BLENDER);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  ol::Blenders::Restore();
  EXPECT_FALSE(glIsEnabled(GL_BLEND));

  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  glDisable(GL_BLEND);
  ol::Blenders::Set(7);  // unknown: the current pair again
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(GetInt(GL_BLEND_DST), GL_ONE);
}

TEST_F(Canvas, BlenderStackRestoresWhatWasPushedAndIgnoresAnEmptyPop) {
  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  ol::Blenders::Push();
  ol::Blenders::Set(ol::COPY_BLENDER);
  ol::Blenders::Pop();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(GetInt(GL_BLEND_DST), GL_ONE);

  ol::Blenders::Set(ol::COPY_BLENDER);
  ol::Blenders::Pop();  // nothing pushed
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  ol::Blenders::Restore();
  EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the current pair is still the copy preset";
}

TEST_F(Canvas, CameraShiftsEverythingDrawnAfterIt) {
  ol::Transforms::SetPosition(-100.0f, 0.0f);
  ol::Rect(120, 50, 10, 10).Draw(RED);
  EXPECT_EQ(ReadPixel(20, 50).r, 255);
  EXPECT_EQ(ReadPixel(29, 59).r, 255);
  EXPECT_EQ(ReadPixel(120, 50).r, 0);
  EXPECT_FLOAT_EQ(ol::Transforms::GetPosition().x, -100.0f);
  EXPECT_FLOAT_EQ(ol::Transforms::GetPosition().y, 0.0f);
}

// The camera moves every frame: the model-view stack must not grow.
TEST_F(Canvas, ModelViewStackDepthStaysTheSameAcrossFrames) {
  const int depth = GetInt(GL_MODELVIEW_STACK_DEPTH);
  for (int frame = 0; frame < 50; ++frame) {
    ol::Canvas::Fill(0, 0, 0, 1);
    ol::Transforms::SetPosition(-frame * 3.0f, frame * 2.0f);
    ol::Rect(10, 10, 5, 5, 2.0f, 2.0f).DrawOutline(RED);
    ol::Transforms::SetPosition(-frame * 3.0f - 1.0f, frame * 2.0f);
    ol::Canvas::Refresh();
  }
  EXPECT_EQ(GetInt(GL_MODELVIEW_STACK_DEPTH), depth);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Canvas, FillWritesOnlyTheChannelsAskedFor) {
  ASSERT_GT(setupState.alphaBits, 0);
  ol::Canvas::Fill(1.0f, 0.0f, 0.0f, 1.0f);
  ol::Canvas::Fill(0.0f, 1.0f, 1.0f, 0.0f, ol::WRITE_ALPHA_ONLY);
  const GlSupport::Pixel afterAlpha = ReadPixel(5, 5);
  EXPECT_EQ(afterAlpha.r, 255);
  EXPECT_EQ(afterAlpha.g, 0);
  EXPECT_EQ(afterAlpha.a, 0);

  ol::Canvas::Fill(0.0f, 0.0f, 1.0f, 1.0f, ol::WRITE_COLOR_ONLY);
  EXPECT_EQ(ReadPixel(5, 5).b, 255);
  EXPECT_EQ(ReadPixel(5, 5).a, 0);
}

// After a fill of one channel, drawing writes all channels again: the
// canvas's own write mode is back in force.
TEST_F(Canvas, OneChannelFillLeavesTheCanvasWriteModeInForce) {
  ASSERT_GT(setupState.alphaBits, 0);
  for (int channel : {ol::WRITE_ALPHA_ONLY, ol::WRITE_COLOR_ONLY}) {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 0.0f);
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 0.0f, channel);
    ol::Rect(0, 0, 10, 10).Draw(RED);
    const GlSupport::Pixel drawn = ReadPixel(5, 5);
    EXPECT_EQ(drawn.r, 255) << channel;
    EXPECT_EQ(drawn.a, 255) << channel;
  }
}

// Only the area's corners red, and nothing else: exactly the area.
TEST_F(Canvas, ClippingUsesTheTopRectangleCountedFromTheTop) {
  ol::Canvas::SetClipping(10, 20, 100, 50);
  ol::Canvas::Fill(1, 0, 0, 1);
  EXPECT_EQ(GlSupport::CountRed(0, 0, 800, 600), 100 * 50);
  EXPECT_EQ(ReadPixel(10, 20).r, 255);
  EXPECT_EQ(ReadPixel(109, 69).r, 255);

  // A second rectangle replaces the first (no intersection).
  ol::Canvas::SetClipping(300, 300, 10, 10);
  ol::Canvas::Fill(0, 0, 0, 1);
  EXPECT_EQ(GlSupport::CountRed(0, 0, 800, 600), 100 * 50);

  ol::Canvas::DisableClipping();
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  ol::Canvas::Fill(0, 0, 0, 1);
  EXPECT_EQ(GlSupport::CountRed(0, 0, 800, 600), 0);
}

TEST_F(Canvas, BuffersKeepTheirOwnClipStacks) {
  ol::Canvas::SetClipping(10, 20, 100, 50);
  ol::Canvas::SetTo(ol::BITMAP_TARGET);  // refused without a bitmap
  EXPECT_EQ(ol::Canvas::GetTarget(), ol::BACK_BUFFER_TARGET);
  EXPECT_EQ(GetInt(GL_DRAW_BUFFER), GL_BACK);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));

  ol::Canvas::SetTo(ol::FRONT_BUFFER_TARGET);
  EXPECT_EQ(GetInt(GL_DRAW_BUFFER), GL_FRONT);
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  ol::Canvas::SetClipping(0, 0, 5, 5);
  ol::Canvas::Refresh();  // the front buffer is finished, not flipped

  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
  EXPECT_EQ(GetInt(GL_DRAW_BUFFER), GL_BACK);
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_EQ(box[1], 530);
  EXPECT_EQ(box[2], 100);

  ol::Canvas::SetTo(ol::FRONT_BUFFER_TARGET);
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_EQ(box[1], 595);
  ol::Canvas::DisableClipping();
}

TEST_F(Canvas, CanvasStackBringsBackTheSavedRecord) {
  EXPECT_FALSE(ol::Canvas::PopCanvas());
  ol::Canvas::SetClipping(1, 2, 3, 4);
  ol::Canvas::PushCanvas();
  ol::Canvas::SetTo(ol::FRONT_BUFFER_TARGET);
  ASSERT_TRUE(ol::Canvas::PopCanvas());
  EXPECT_EQ(ol::Canvas::GetTarget(), ol::BACK_BUFFER_TARGET);
  EXPECT_EQ(GetInt(GL_DRAW_BUFFER), GL_BACK);
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_EQ(box[0], 1);
  EXPECT_EQ(box[3], 4);
  EXPECT_FALSE(ol::Canvas::PopCanvas());
}

TEST_F(Canvas, RefreshReappliesTheCurrentBlender) {
  ol::Blenders::Set(ol::ADDITIVE_BLENDER);
  glBlendFunc(GL_ONE, GL_ONE);
  ol::Canvas::Refresh();
  EXPECT_EQ(GetInt(GL_BLEND_SRC), GL_SRC_ALPHA);
}

// The frame's last draws reach the buffer before it is shown.
TEST_F(Canvas, RefreshDrawsWhatWasGatheredBeforeTheFlip) {
  const long before = ol::DrawBatch::DrawsMade();
  ol::Rect(0, 0, 10, 10).Draw(RED);
  ol::Canvas::Refresh();
  EXPECT_EQ(ol::DrawBatch::DrawsMade() - before, 1);
}

TEST_F(Canvas, AntialiasingSmoothsLinesOnlyAndTurnsOffBoth) {
  glEnable(GL_POINT_SMOOTH);
  ol::Settings::SetAntialiasing(false);
  EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
  EXPECT_FALSE(ol::Settings::IsAntialiased());
  ol::Settings::SetAntialiasing(true);
  EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
}

}  // namespace
