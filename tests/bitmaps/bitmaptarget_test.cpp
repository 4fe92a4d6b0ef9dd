// Drawing into a bitmap and reading one back: the same pixels whatever the camera and tint.
#include "tests/support/glscreen/screen.h"

#include "render/blenders.h"
#include "render/canvas.h"
#include "render/gl.h"
#include "render/rect.h"
#include "render/transforms.h"

namespace BitmapTests {
namespace {

using namespace GlSupport;

constexpr int W = 64;
constexpr int H = 32;
constexpr int SHOWN_X = 200;
constexpr int SHOWN_Y = 300;

// Every pixel its own colour, so a shift by one row or column shows.
Pixel Pattern(int x, int y) { return Pixel{x * 4, y * 8, 255 - x * 2, 255}; }

void ExpectShownBitmap(const ol::Bitmap& bitmap, const Painter& expected) {
  ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
  bitmap.Blit(static_cast<float>(SHOWN_X), static_cast<float>(SHOWN_Y));
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
      ExpectPixelNear(ReadPixel(SHOWN_X + x, SHOWN_Y + y), expected(x, y), 1);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

class BitmapTarget : public ScreenTest {};

// The game's camera, a fade and a clip are in force when the target is
// chosen, and come back after it; what was drawn before stays on the screen.
TEST_F(BitmapTarget, WhatIsDrawnLandsAtTheSamePixels) {
  const auto bitmap = LoadImage(MakeImage(32, W, H, Pattern), "pattern.png");
  ol::Transforms::SetPosition(-50.0f, 0.0f);
  ol::Rect(150.0f, 100.0f, 4.0f, 4.0f).Draw(ol::Rgba(1.0f, 0.0f, 0.0f, 1.0f));
  ol::Transforms::SetPosition(-37.0f, 11.0f);
  ol::Transforms::SetTintColor(ol::Rgba(0.5f, 0.5f, 0.5f, 1.0f));
  ol::Canvas::SetClipping(500, 500, 10, 10);
  ol::Canvas::PushCanvas();
  ol::Canvas::SetToBitmap(*bitmap);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ol::Rect(10.0f, 5.0f, 8.0f, 4.0f).Draw(ol::Rgba(1.0f, 0.0f, 0.0f, 1.0f));
  ASSERT_TRUE(ol::Canvas::PopCanvas());
  ExpectPixelNear(ReadPixel(101, 101), Pixel{255, 0, 0, 255});
  ExpectPixelNear(ReadPixel(151, 101), Pixel{0, 0, 0, 255});
  EXPECT_FLOAT_EQ(ol::Transforms::GetPosition().x, -37.0f);
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_EQ(box[0], 500);
  ol::Canvas::DisableClipping();
  ol::Transforms::SetPosition(0.0f, 0.0f);

  ExpectShownBitmap(*bitmap, [](int x, int y) {
    const bool inRect = x >= 10 && x < 18 && y >= 5 && y < 9;
    return inRect ? Pixel{255, 0, 0, 255} : Pattern(x, y);
  });
}

// Leaving for the back buffer keeps what was drawn, inside the clip only.
TEST_F(BitmapTarget, ClippingCountsInBitmapPixels) {
  const auto bitmap = LoadImage(MakeImage(32, W, H, Pattern), "pattern.png");
  ol::Canvas::SetToBitmap(*bitmap);
  ol::Canvas::SetClipping(4, 3, 5, 2);
  ol::Canvas::Fill(1.0f, 0.0f, 0.0f, 1.0f);
  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
  ExpectShownBitmap(*bitmap, [](int x, int y) {
    const bool inside = x >= 4 && x < 9 && y >= 3 && y < 5;
    return inside ? Pixel{255, 0, 0, 255} : Pattern(x, y);
  });
}

// The bitmap is read back from the back buffer even while the canvas is the
// front buffer. Rows of 37 pixels, three bytes each without alpha: padded
// rows would come back shifted and overrun the buffer.
TEST_F(BitmapTarget, UnloadingToMemoryAndBackKeepsEveryPixel) {
  for (const GLenum format : {GL_RGBA, GL_RGB}) {
    const auto bitmap = LoadImage(MakeImage(32, 37, 23, Pattern), "odd.png");
    bitmap->GetTextureInfo().format = format;
    ol::Canvas::SetTo(ol::FRONT_BUFFER_TARGET);
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
    bitmap->UnloadToMemory();
    EXPECT_FALSE(bitmap->IsValid());
    EXPECT_EQ(ol::Canvas::GetTarget(), ol::FRONT_BUFFER_TARGET);
    ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
    bitmap->SendToGPU();
    ASSERT_TRUE(bitmap->IsValid());
    // Without an alpha channel the image comes back transparent: copy it.
    ol::Blenders::Set(ol::COPY_BLENDER);
    ExpectShownBitmap(*bitmap, Pattern);
    ol::Blenders::Set(ol::ALPHA_BLENDER);
  }
}

}  // namespace
}  // namespace BitmapTests
