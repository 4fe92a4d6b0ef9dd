// Drawing into a bitmap: what is drawn at canvas pixel (x, y) must land in
// the bitmap's texture at image pixel (x, y), whatever the camera, the tint
// and the clipping of the screen are.
#include <gtest/gtest.h>

#include <vector>

#include "render/bitmap.h"
#include "render/canvas.h"
#include "render/framebuffer.h"
#include "render/gl.h"
#include "render/rect.h"
#include "render/textureinfo.h"
#include "render/transforms.h"
#include "screen.h"

namespace {

using RenderTest::Pixel;

const ol::Rgba RED(1.0f, 0.0f, 0.0f, 1.0f);
constexpr int W = 64;
constexpr int H = 32;

// The image part of the bitmap's texture, as rows from the image's top.
std::vector<Pixel> ReadImage(const ol::Bitmap& bitmap) {
  const ol::TextureInfo& info = bitmap.GetTextureInfo();
  std::vector<unsigned char> texels(static_cast<size_t>(info.textureWidth) * info.textureHeight *
                                    4);
  glBindTexture(GL_TEXTURE_2D, info.texture);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  std::vector<Pixel> image;
  for (int y = 0; y < info.imageHeight; ++y) {
    const int row = info.textureHeight - 1 - y;  // the image fills the top rows
    for (int x = 0; x < info.imageWidth; ++x) {
      const unsigned char* t = &texels[(static_cast<size_t>(row) * info.textureWidth + x) * 4];
      image.push_back(Pixel{t[0], t[1], t[2], t[3]});
    }
  }
  return image;
}

class BitmapTarget : public ::testing::Test {
 protected:
  void SetUp() override {
    RenderTest::ResetCanvas();
    ASSERT_TRUE(bitmap.Load(RenderTest::MakePng("blue.png", W, H, Pixel{0, 0, 255, 255})));
    ASSERT_TRUE(bitmap.IsValid());
  }
  void TearDown() override { RenderTest::ResetCanvas(); }

  ol::Bitmap bitmap;
};

TEST_F(BitmapTarget, DrawingLandsAtTheSamePixelsOfTheTexture) {
  // Screen state that must not leak into the bitmap.
  ol::Transforms::SetPosition(-37.0f, -11.0f);
  ol::Transforms::SetTintColor(ol::Rgba(0.2f, 0.2f, 0.2f, 1.0f));
  ol::Canvas::SetClipping(500, 500, 10, 10);

  ol::Canvas::PushCanvas();
  ol::Canvas::SetToBitmap(bitmap);
  EXPECT_EQ(ol::Canvas::GetTarget(), ol::BITMAP_TARGET);
  EXPECT_EQ(ol::Canvas::Width(), W);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ol::Rect(10, 5, 8, 4).Draw(RED);
  ASSERT_TRUE(ol::Canvas::PopCanvas());

  const std::vector<Pixel> image = ReadImage(bitmap);
  ASSERT_EQ(image.size(), static_cast<size_t>(W * H));
  int red = 0;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const Pixel& p = image[y * W + x];
      const bool inside = x >= 10 && x < 18 && y >= 5 && y < 9;
      red += p.r > 127 ? 1 : 0;
      if (inside) {
        EXPECT_EQ(p.r, 255) << x << ", " << y;
      } else {
        ASSERT_EQ(p.b, 255) << "untouched pixel changed at " << x << ", " << y;
        ASSERT_EQ(p.r, 0) << x << ", " << y;
      }
      ASSERT_EQ(p.a, 255) << x << ", " << y;
    }
  }
  EXPECT_EQ(red, 8 * 4);

  // Back on the screen with its camera and clipping.
  EXPECT_EQ(ol::Canvas::GetTarget(), ol::BACK_BUFFER_TARGET);
  EXPECT_FLOAT_EQ(ol::Transforms::GetPosition().x, -37.0f);
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_EQ(box[0], 500);
}

TEST_F(BitmapTarget, ClippingCountsInBitmapPixels) {
  ol::Canvas::SetToBitmap(bitmap);
  ol::Canvas::SetClipping(4, 3, 5, 2);
  ol::Canvas::Fill(1.0f, 0.0f, 0.0f, 1.0f);
  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);

  const std::vector<Pixel> image = ReadImage(bitmap);
  int red = 0;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const bool inside = x >= 4 && x < 9 && y >= 3 && y < 5;
      EXPECT_EQ(image[y * W + x].r > 127, inside) << x << ", " << y;
      red += image[y * W + x].r > 127 ? 1 : 0;
    }
  }
  EXPECT_EQ(red, 10);
}

TEST_F(BitmapTarget, ReadBackGivesTheBitmapsRowsBottomFirst) {
  ol::Canvas::SetToBitmap(bitmap);
  ol::Rect(0, 0, W, 1).Draw(RED);  // the image's top row
  std::vector<unsigned char> rows(W * H * 4);
  ol::FrameBuffer::GetInstance()->ReadPixels(0, 0, W, H, GL_RGBA, rows.data());
  ol::Canvas::SetTo(ol::BACK_BUFFER_TARGET);
  const auto at = [&](int x, int glRow) { return &rows[(glRow * W + x) * 4]; };
  EXPECT_EQ(at(0, H - 1)[0], 255) << "the top row comes last";
  EXPECT_EQ(at(W - 1, H - 1)[0], 255);
  EXPECT_EQ(at(0, H - 2)[0], 0);
  EXPECT_EQ(at(0, 0)[2], 255);
  EXPECT_EQ(at(0, 0)[0], 0);
}

}  // namespace
