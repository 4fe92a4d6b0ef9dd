// The drawing layer's pixel savings against the plain way, on the back
// buffer (screen.h first: X11's macros).
#include "tests/support/glscreen/screen.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "render/canvas.h"
#include "render/gl.h"
#include "render/opaquetextures.h"
#include "render/rect.h"
#include "render/settings.h"
#include "render/transforms.h"

namespace BitmapTests {
namespace {

using namespace GlSupport;

constexpr int W = 64;
constexpr int H = 48;

// Every pixel its own colour, so a flip or a shift by one shows.
Pixel Pattern(int x, int y) { return Pixel{x * 4, y * 5, 255 - x * 3, 255}; }

class PixelSavings : public ScreenTest {
 protected:
  void TearDown() override {
    ol::Settings::SetPixelSavings(true);
    ScreenTest::TearDown();
  }
};

// What a draw leaves in the area around (0, 0)..(300, 200), with the
// savings off or on.
template <class Draw>
std::vector<unsigned char> Drawn(bool savings, Draw draw) {
  ResetCanvas();
  ol::Settings::SetPixelSavings(savings);
  draw();
  ol::Canvas::DisableClipping();
  ol::Transforms::SetPosition(0.0f, 0.0f);
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  return ReadArea(0, 0, 300, 200);
}

// The same bytes, or none further apart than the tolerance.
template <class Draw>
void ExpectSameEitherWay(const char* what, Draw draw, int tolerance = 0) {
  SCOPED_TRACE(what);
  const std::vector<unsigned char> plain = Drawn(false, draw);
  const std::vector<unsigned char> saved = Drawn(true, draw);
  ASSERT_EQ(plain.size(), saved.size());
  int furthest = 0;
  for (std::size_t i = 0; i < plain.size(); ++i) furthest = std::max(furthest, std::abs(plain[i] - saved[i]));
  EXPECT_LE(furthest, tolerance);
}

// Copied onto the screen where it lands on whole pixels untinted, drawn
// otherwise: the same pixels, under a camera, a clip or a tint, and between
// pixels.
TEST_F(PixelSavings, ATexelForTexelBlitShowsWhatThePlainBlitShows) {
  const auto image = LoadImage(MakeImage(32, W, H, Pattern), "pattern.png");
  ASSERT_TRUE(image->IsOpaque());
  ExpectSameEitherWay("at the corner", [&] { image->BlitTexelForTexel(0.0f, 0.0f); });
  ExpectSameEitherWay("under the camera", [&] {
    ol::Transforms::SetPosition(-30.0f, 17.0f);
    image->BlitTexelForTexel(100.0f, 50.0f);
  });
  ExpectSameEitherWay("clipped to the window", [&] {
    ol::Canvas::SetClipping(0, 0, 800, 600);
    image->BlitTexelForTexel(100.0f, 50.0f);
  });
  ExpectSameEitherWay("clipped", [&] {
    ol::Canvas::SetClipping(110, 60, 20, 15);
    image->BlitTexelForTexel(100.0f, 50.0f);
  });
  // Drawn, not copied a pixel off; unblended, the renderer rounds a filtered texel a step otherwise.
  ExpectSameEitherWay("between pixels", [&] { image->BlitTexelForTexel(100.75f, 50.75f); }, 1);
  ExpectSameEitherWay("tinted", [&] {
    ol::Transforms::SetTintColor(ol::Rgba(0.5f, 0.25f, 1.0f, 1.0f));
    image->BlitTexelForTexel(100.0f, 50.0f);
  });
  ExpectSameEitherWay("after other draws", [&] {
    ol::Rect(90.0f, 40.0f, 30.0f, 30.0f).Draw(ol::Rgba(1.0f, 0.0f, 0.0f, 0.5f));
    image->BlitTexelForTexel(100.0f, 50.0f);
    ol::Rect(120.0f, 60.0f, 30.0f, 30.0f).Draw(ol::Rgba(0.0f, 1.0f, 0.0f, 0.5f));
  });
}

// An image is known opaque only while nothing but its upload has written
// its texture: a picture drawn into shows what was drawn, not a copy of
// the image as it was, and one uploaded again shows its new image.
TEST_F(PixelSavings, OpacityIsRecordedAtUploadAndForgottenWhenDrawnIntoOrDeleted) {
  const auto image = LoadImage(MakeImage(32, W, H, Pattern), "pattern.png");
  const auto filled = LoadImage(MakeImage(24, 8, 8, Pattern), "filled.png");
  const auto seeThrough = LoadImage(MakeImage(32, 8, 8, [](int x, int y) {
                                      return Pixel{255, 0, 0, x == 7 && y == 7 ? 254 : 255};
                                    }),
                                    "pane.png");
  EXPECT_TRUE(filled->IsOpaque());
  EXPECT_FALSE(seeThrough->IsOpaque());
  image->BlitTexelForTexel(0.0f, 0.0f);
  ol::Canvas::PushCanvas();
  ol::Canvas::SetToBitmap(*image);
  ol::Rect(0.0f, 0.0f, 10.0f, 10.0f).Draw(ol::Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  ASSERT_TRUE(ol::Canvas::PopCanvas());
  EXPECT_FALSE(image->IsOpaque());
  ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
  image->BlitTexelForTexel(0.0f, 0.0f);
  ExpectPixelNear(ReadPixel(5, 5), Pixel{255, 255, 255, 255}, 0);
  filled->Destroy(false);
  EXPECT_FALSE(filled->IsOpaque());

  const auto again = LoadImage(MakeImage(32, W, H, Pattern), "again.png");
  again->BlitTexelForTexel(0.0f, 0.0f);
  const ol::TextureInfo& texture = again->GetTextureInfo();
  const std::vector<unsigned char> white(std::size_t(texture.textureWidth) * texture.textureHeight * 4, 255);
  glBindTexture(GL_TEXTURE_2D, texture.texture);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, texture.textureWidth, texture.textureHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                  white.data());
  ol::OpaqueTextures::Record(texture.texture, white);
  ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
  again->BlitTexelForTexel(0.0f, 0.0f);
  ExpectPixelNear(ReadPixel(5, 5), Pixel{255, 255, 255, 255}, 0);
}

}  // namespace
}  // namespace BitmapTests
