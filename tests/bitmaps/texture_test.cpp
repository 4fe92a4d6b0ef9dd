// Texture records, render modes, texture layout and image alpha: no GL, only Allegro's memory bitmaps.
#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "render/rendermodes.h"
#include "render/textureimage.h"
#include "render/textureinfo.h"
#include "render/textureupload.h"
#include "tests/support/glscreen/screen.h"

namespace {

using GlSupport::Pixel;

class AllegroWithoutScreen : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, std::atexit), 0);
    register_png_file_type();
  }
};
const auto* const allegro = ::testing::AddGlobalTestEnvironment(new AllegroWithoutScreen);

constexpr unsigned int RGBA = 0x1908;

void ExpectArea(const ol::TextureInfo& t, float x, float y, float w, float h) {
  EXPECT_FLOAT_EQ(t.rectX, x);
  EXPECT_FLOAT_EQ(t.rectY, y);
  EXPECT_FLOAT_EQ(t.rectW, w);
  EXPECT_FLOAT_EQ(t.rectH, h);
}

// The image sits in the top rows of its texture; parts count rows from the bottom.
TEST(TextureInfo, SubImagesShareTheTextureAndCountRowsFromTheBottom) {
  ol::TextureInfo image(128, 64, 100, 60, RGBA);
  ExpectArea(image, 0.0f, 4.0f / 64.0f, 100.0f / 128.0f, 60.0f / 64.0f);
  image.texture = 7;
  const ol::TextureInfo part = image.SubImage(10, 20, 30, 40);
  EXPECT_EQ(part.texture, 7u);
  EXPECT_EQ(part.imageHeight, 40);
  ExpectArea(part, 10.0f / 128.0f, 4.0f / 64.0f, 30.0f / 128.0f, 40.0f / 64.0f);
  // A part of a part is the same area as the part cut from the whole.
  const ol::TextureInfo nested = part.SubImage(5, 5, 10, 10);
  const ol::TextureInfo direct = image.SubImage(15, 25, 10, 10);
  ExpectArea(nested, direct.rectX, direct.rectY, direct.rectW, direct.rectH);
  // Sizes stay whole pixels of the area whatever the rounding.
  for (int h = 1; h <= 60; ++h) {
    for (int y = 0; y + h <= 60; y += 7) {
      ASSERT_EQ(image.SubImage(3, static_cast<float>(y), 37, static_cast<float>(h)).imageHeight, h)
          << "y " << y;
    }
  }
}

TEST(TextureInfo, SubImagesEndAtTheSourceEdges) {
  const ol::TextureInfo image(128, 64, 100, 60, RGBA);
  const ol::TextureInfo pastRight = image.SubImage(90, 0, 30, 40);
  EXPECT_EQ(pastRight.imageWidth, 10);
  EXPECT_FLOAT_EQ(pastRight.rectX + pastRight.rectW, image.rectW);
  const ol::TextureInfo pastTop = image.SubImage(0, -10, 20, 30);
  EXPECT_EQ(pastTop.imageHeight, 20);
  EXPECT_FLOAT_EQ(pastTop.rectY + pastTop.rectH, 1.0f);
  const ol::TextureInfo pastBottom = image.SubImage(0, 50, 20, 30);
  EXPECT_EQ(pastBottom.imageHeight, 10);
  EXPECT_FLOAT_EQ(pastBottom.rectY, image.rectY);
  const ol::TextureInfo outside = image.SubImage(200, 0, 20, 30);
  EXPECT_EQ(outside.imageWidth, 0);
  EXPECT_FLOAT_EQ(outside.rectW, 0.0f);
  const ol::TextureInfo ofNothing = ol::TextureInfo().SubImage(0, 0, 10, 10);
  EXPECT_FALSE(ofNothing.HasTexture());
  EXPECT_EQ(ofNothing.imageWidth, 0);
  EXPECT_FLOAT_EQ(ofNothing.rectH, 0.0f);
}

// Cut to what overlaps the image, never a negative size; an unknown flip kind flips nothing.
TEST(RenderModes, ClipsCutTheSourceAndTheRecordToTheirRectangle) {
  const ol::SourceRect whole{0.0f, 0.0f, 100.0f, 100.0f};
  const struct { float x, w, clippedX, clippedW; } cases[] = {
      {10, 30, 10, 30}, {90, 30, 90, 10}, {-10, 30, 0, 20}, {120, 30, 120, 0}, {-50, 30, 0, 0}};
  for (const auto& c : cases) {
    const ol::SourceRect clipped = ol::ClippedMode(c.x, 20, c.w, 40).ClipSource(whole);
    EXPECT_FLOAT_EQ(clipped.x, c.clippedX) << c.x;
    EXPECT_FLOAT_EQ(clipped.w, c.clippedW) << c.x;
  }
  const ol::TexCoords record = ol::ClippedMode(-10, 50, 30, 40).Select(ol::TexCoords(ol::TextureInfo(128, 64, 100, 60, RGBA)));
  EXPECT_FLOAT_EQ(record.right, 20);
  EXPECT_FLOAT_EQ(record.bottom, 60);
  // Two clips in a row: the second works inside the first.
  const ol::SourceRect inner = ol::MultiMode(ol::ClippedMode(10, 20, 30, 40), ol::ClippedMode(5, 5, 100, 100)).ClipSource(whole);
  EXPECT_FLOAT_EQ(inner.x + inner.w, 40.0f);
  EXPECT_FLOAT_EQ(inner.y + inner.h, 60.0f);
  const ol::TexCoords unknown = ol::FlippedMode(5).Select(ol::TexCoords());
  EXPECT_FALSE(unknown.flipHorizontal || unknown.flipVertical);
}

// A mode that gives each corner's texture coordinate itself, counting them.
struct CornerCounting : ol::RenderMode {
  bool UsesCornerHook() const override { return true; }
  void SetCornerTexCoord(int, const ol::SourceRect&, const ol::TexCoords&, float, float) const override { ++calls; }
  mutable int calls = 0;
};

TEST(RenderModes, APairUsesTheCornerHookOfWhicheverModeHasOne) {
  const ol::FlippedMode plain(ol::FLIP_HORIZONTAL);
  for (bool hookedFirst : {true, false}) {
    const CornerCounting hooked;
    const ol::MultiMode both = hookedFirst ? ol::MultiMode(hooked, plain) : ol::MultiMode(plain, hooked);
    EXPECT_TRUE(both.UsesCornerHook()) << hookedFirst;
    both.SetCornerTexCoord(ol::CORNER_TOP_LEFT, ol::SourceRect{0, 0, 1, 1}, ol::TexCoords(), 1.0f, 1.0f);
    EXPECT_EQ(hooked.calls, 1) << hookedFirst;
  }
  EXPECT_FALSE(ol::MultiMode(plain, plain).UsesCornerHook());
}

// Texel (x, row) of the laid-out texture, rows counted as GL does (bottom up).
Pixel Texel(const ol::TexturePixels& t, int x, int row) {
  const unsigned char* p = &t.rgba[(static_cast<std::size_t>(row) * t.width + x) * 4];
  return Pixel{p[0], p[1], p[2], p[3]};
}

// Every pixel different, so a misplaced row or column shows.
Pixel Numbered(int x, int y) { return Pixel{x, y, (x * 7 + y) % 256, 255}; }

void ExpectPixel(const Pixel& got, const Pixel& want) {
  EXPECT_EQ(got.r, want.r);
  EXPECT_EQ(got.g, want.g);
  EXPECT_EQ(got.b, want.b);
  EXPECT_EQ(got.a, want.a);
}

TEST(TextureLayout, WidensToPowersOfTwoRepeatingTheEdgesAndClearingThePadding) {
  BITMAP* image = GlSupport::MakeImage(32, 100, 60, Numbered);
  const ol::TexturePixels texture = ol::LayOutTexturePixels(image, true);
  destroy_bitmap(image);
  ASSERT_EQ(texture.width, 128);
  ASSERT_EQ(texture.height, 64);
  for (int k = 0; k < 60; ++k) {
    ExpectPixel(Texel(texture, 0, 4 + k), Numbered(0, 59 - k));
    ExpectPixel(Texel(texture, 99, 4 + k), Numbered(99, 59 - k));
    ExpectPixel(Texel(texture, 100, 4 + k), Numbered(99, 59 - k));
  }
  for (int x = 0; x < 100; ++x) ExpectPixel(Texel(texture, x, 3), Numbered(x, 59));
  const Pixel clear{0, 0, 0, 0};
  for (int row = 0; row < 64; ++row) {
    for (int x = 101; x < 128; ++x) ExpectPixel(Texel(texture, x, row), clear);
  }
  for (int row = 0; row < 3; ++row) ExpectPixel(Texel(texture, 50, row), clear);
  // The corner beyond both edges repeats the image's corner too.
  ExpectPixel(Texel(texture, 100, 3), Numbered(99, 59));
}

// The file reads the same whatever depth Allegro would convert images to.
class ImageFile : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { set_color_depth(GetParam()); }

  // Writes the painted image and reads it back as the layer loads files.
  static ol::LoadedImage WriteAndLoad(int depth, const GlSupport::Painter& paint) {
    GlSupport::SavePng(GlSupport::MakeImage(depth, 4, 3, paint), "image.png");
    return ol::LoadImageFile(GlSupport::ScratchPath() + "image.png");
  }

  static Pixel At(const ol::LoadedImage& image, int x, int y) {
    const int c = getpixel(image.bitmap, x, y);
    return Pixel{getr32(c), getg32(c), getb32(c), geta32(c)};
  }
};

// The library cuts longer names at its buffer, and one cut before its '#'
// (the mark of an object in a packed file) crashed it.
TEST_P(ImageFile, NamesTooLongForTheLibraryAreNone) {
  EXPECT_EQ(ol::LoadImageFile(GlSupport::ScratchPath() + std::string(1100, 'x') + "#.png").bitmap, nullptr);
}

// A 24-bit image becomes opaque; a 32-bit one keeps its alpha, even when
// all of it is 0; a missing one is none.
TEST_P(ImageFile, OnlyImagesWithoutAlphaBecomeOpaque) {
  EXPECT_EQ(ol::LoadImageFile(GlSupport::ScratchPath() + "missing.png").bitmap, nullptr);
  for (int depth : {24, 32}) {
    const ol::LoadedImage image = WriteAndLoad(depth, [](int x, int y) {
      return Pixel{x * 60, y * 80, 7, 0};
    });
    ASSERT_NE(image.bitmap, nullptr) << depth;
    EXPECT_EQ(bitmap_color_depth(image.bitmap), 32);
    EXPECT_EQ(image.alphaFilled, depth == 24) << depth;
    ExpectPixel(At(image, 3, 2), Pixel{180, 160, 7, depth == 24 ? 255 : 0});
    destroy_bitmap(image.bitmap);
  }
}

INSTANTIATE_TEST_SUITE_P(ConversionDepths, ImageFile, ::testing::Values(8, 32));

}  // namespace
