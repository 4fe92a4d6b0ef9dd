// Blits checked pixel by pixel on the back buffer (screen.h first: X11's macros).
#include "tests/support/glscreen/screen.h"

#include <vector>

#include "render/gl.h"
#include "render/rect.h"
#include "render/rendermodes.h"
#include "render/texturequad.h"
#include "render/textureupload.h"
#include "render/transforms.h"
#include "tests/support/tracecapture.h"

namespace BitmapTests {
namespace {

using namespace GlSupport;

const Pixel RED{255, 0, 0, 255};
const Pixel GREEN{0, 255, 0, 255};
const Pixel BLUE{0, 0, 255, 255};
const Pixel WHITE{255, 255, 255, 255};
const Pixel BLACK{0, 0, 0, 255};

Painter Solid(Pixel p) { return [p](int, int) { return p; }; }
Painter QuadrantsOf(int w, int h) { return [w, h](int x, int y) { return Quadrants(x, y, w, h); }; }

// The quadrants of a w x h image blitted at (x, y), sampled at their centres.
void ExpectQuadrants(int x, int y, int w, int h, Pixel topLeft, Pixel topRight, Pixel bottomLeft,
                     Pixel bottomRight) {
  ExpectPixelNear(ReadPixel(x + w / 4, y + h / 4), topLeft);
  ExpectPixelNear(ReadPixel(x + 3 * w / 4, y + h / 4), topRight);
  ExpectPixelNear(ReadPixel(x + w / 4, y + 3 * h / 4), bottomLeft);
  ExpectPixelNear(ReadPixel(x + 3 * w / 4, y + 3 * h / 4), bottomRight);
}

class Blit : public ScreenTest {};

// Also: a stretched blit covers exactly its size; a bitmap deleted after its
// blit (as objects go mid-frame) still shows.
TEST_F(Blit, AlphaComesFromTheImageTheOpacityAndTheTint) {
  auto red = LoadImage(MakeImage(32, 4, 4, Solid(RED)), "red4.png");
  red->BlitStretched(10.0f, 20.0f, 20.0f, 10.0f);
  red.reset();
  ExpectPixelNear(ReadPixel(10, 20), RED);
  ExpectPixelNear(ReadPixel(29, 29), RED);
  ExpectPixelNear(ReadPixel(30, 29), BLACK);
  ExpectPixelNear(ReadPixel(29, 30), BLACK);
  const auto opaque = LoadImage(MakeImage(24, 4, 4, Solid(GREEN)), "green24.png");
  EXPECT_TRUE(opaque->AlphaWasFilled());
  opaque->Blit(10.0f, 10.0f);
  ExpectPixelNear(ReadPixel(11, 11), GREEN);

  const auto glass = LoadImage(MakeImage(32, 4, 4, [](int x, int) {
                                 return Pixel{255, 255, 255, x < 2 ? 0 : 128};
                               }),
                               "glass.png");
  EXPECT_FALSE(glass->AlphaWasFilled());
  glass->Blit(20.0f, 10.0f);
  ExpectPixelNear(ReadPixel(20, 11), BLACK);
  ExpectPixelNear(ReadPixel(23, 11), Pixel{128, 128, 128, 255});

  const auto white = LoadImage(MakeImage(32, 4, 4, Solid(WHITE)), "white4.png");
  ol::Transforms::SetTintColor(ol::Rgba(1.0f, 1.0f, 1.0f, 0.8f));
  white->Blit(30.0f, 10.0f, 0.5f);
  ExpectPixelNear(ReadPixel(31, 11), Pixel{102, 102, 102, 255});
  ol::Transforms::SetTintColor(ol::Rgba(0.5f, 1.0f, 0.0f, 1.0f));
  white->Blit(40.0f, 10.0f);
  ExpectPixelNear(ReadPixel(41, 11), Pixel{128, 255, 0, 255});
}

// Rotation turns about the pivot; power-of-two textures draw the pixels of exact ones.
TEST_F(Blit, RotatedTurnsAboutThePivotAndWidenedTexturesDrawTheSame) {
  const auto image = LoadImage(MakeImage(32, 16, 8, QuadrantsOf(16, 8)), "quadrants16.png");
  image->BlitRotated(108.0f, 104.0f, 0.0f);
  image->Blit(200.0f, 100.0f);
  EXPECT_TRUE(ReadArea(99, 99, 18, 10) == ReadArea(199, 99, 18, 10));
  image->SetDefaultPivot(0.0f, 0.0f);
  image->BlitRotated(300.0f, 300.0f, 3.14159265f);
  // Half a turn about the top-left corner: the image lies up and left of it.
  ExpectQuadrants(284, 292, 16, 8, WHITE, BLUE, GREEN, RED);

  ol::ForcePowerOfTwoTextures(true);
  const auto widened = LoadImage(MakeImage(32, 20, 12, QuadrantsOf(20, 12)), "pot.png");
  ol::ForcePowerOfTwoTextures(false);
  const auto exact = LoadImage(MakeImage(32, 20, 12, QuadrantsOf(20, 12)), "npot.png");
  EXPECT_EQ(widened->GetTextureInfo().textureWidth, 32);
  widened->BlitStretched(100.0f, 200.0f, 40.0f, 24.0f);
  exact->BlitStretched(200.0f, 200.0f, 40.0f, 24.0f);
  EXPECT_TRUE(ReadArea(99, 199, 42, 26) == ReadArea(199, 199, 42, 26));
}

TEST_F(Blit, ModesAndSubImages) {
  const auto image = LoadImage(MakeImage(32, 8, 8, QuadrantsOf(8, 8)), "quadrants8.png");
  const ol::FlippedMode mirror(ol::FLIP_HORIZONTAL);
  image->BlitWithMode(10.0f, 10.0f, mirror);
  image->BlitWithMode(30.0f, 10.0f, ol::FlippedMode(ol::FLIP_VERTICAL));
  image->BlitWithMode(50.0f, 10.0f, ol::MultiMode(mirror, mirror));
  ExpectQuadrants(10, 10, 8, 8, GREEN, RED, WHITE, BLUE);
  ExpectQuadrants(30, 10, 8, 8, BLUE, WHITE, RED, GREEN);
  ExpectQuadrants(50, 10, 8, 8, RED, GREEN, BLUE, WHITE);
  // As the GUI draws part of an image: the whole placed so the part lands on (100, 100).
  image->BlitWithMode(96.0f, 100.0f, ol::ClippedMode(4, 0, 4, 4));
  ExpectPixelNear(ReadPixel(100, 100), GREEN);
  ExpectPixelNear(ReadPixel(103, 103), GREEN);
  ExpectPixelNear(ReadPixel(99, 100), BLACK);
  ExpectPixelNear(ReadPixel(104, 100), BLACK);
  // A flipped sprite frame: the part is cut first, then mirrored.
  const ol::ClippedMode lowerHalf(0, 4, 8, 4);
  image->BlitWithMode(200.0f, 96.0f, ol::MultiMode(ol::FlippedMode(ol::FLIP_HORIZONTAL), lowerHalf));
  ExpectPixelNear(ReadPixel(201, 101), WHITE);
  ExpectPixelNear(ReadPixel(206, 101), BLUE);
  ExpectPixelNear(ReadPixel(201, 99), BLACK);
  // A gradient shades the corners.
  const auto white = LoadImage(MakeImage(32, 32, 32, Solid(WHITE)), "white32.png");
  white->BlitWithMode(100.0f, 200.0f,
                      ol::GradientMode(ol::Rgba(1, 0, 0), ol::Rgba(0, 1, 0), ol::Rgba(0, 0, 1),
                                       ol::Rgba(1, 1, 1, 0)));
  ExpectPixelNear(ReadPixel(100, 200), RED, 16);
  ExpectPixelNear(ReadPixel(131, 200), GREEN, 16);
  ExpectPixelNear(ReadPixel(131, 231), BLUE, 16);
  ExpectPixelNear(ReadPixel(100, 231), BLACK, 16);  // transparent corner
  // A sub-image draws its part and leaves the source texture.
  auto part = std::make_unique<ol::Bitmap>(*image, ol::Rect(4, 4, 4, 4));
  part->Blit(50.0f, 50.0f);
  ExpectPixelNear(ReadPixel(53, 53), WHITE);
  ExpectPixelNear(ReadPixel(54, 53), BLACK);
  part.reset();
  ASSERT_TRUE(image->IsValid());
  image->Blit(70.0f, 50.0f);
  ExpectQuadrants(70, 50, 8, 8, RED, GREEN, BLUE, WHITE);
}

TEST_F(Blit, BitmapWithoutImageDrawsNothing) {
  TestSupport::TraceCapture trace;
  ol::Bitmap failed;
  EXPECT_FALSE(failed.Load("no such file.png"));
  EXPECT_TRUE(trace.Contains("no such file.png"));
  ol::Bitmap empty;
  const ol::Bitmap part(empty, ol::Rect(0, 0, 4, 4));
  EXPECT_FALSE(part.IsValid());
  for (const ol::Bitmap* bitmap : std::vector<const ol::Bitmap*>{&failed, &empty, &part}) {
    bitmap->Blit(10.0f, 10.0f);
    bitmap->BlitStretched(10.0f, 10.0f, 50.0f, 50.0f);
    bitmap->BlitRotated(30.0f, 30.0f, 1.0f);
    bitmap->BlitWithMode(10.0f, 10.0f, ol::FlippedMode(ol::FLIP_BOTH));
  }
  ExpectPixelNear(ReadPixel(10, 10), BLACK);
  ExpectPixelNear(ReadPixel(30, 30), BLACK);
}

// Straight from the upload it must draw: a filter wanting missing mipmaps leaves it white.
TEST_F(Blit, UploadedTextureDrawsWithTheFiltersItCameWith) {
  BITMAP* image = MakeImage(32, 4, 4, Solid(BLUE));
  ol::TextureInfo texture = ol::UploadImageTexture(image);
  destroy_bitmap(image);
  ol::DrawTexturedQuad(texture, ol::QuadPlacement{10.0f, 10.0f}, 4.0f, 4.0f, 1.0f);
  ExpectPixelNear(ReadPixel(11, 11), BLUE);
  glDeleteTextures(1, &texture.texture);
}

}  // namespace
}  // namespace BitmapTests
