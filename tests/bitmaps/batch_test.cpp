// A scene of every shape, blit and render mode, with state changes between,
// comes out the same gathered into batches as flushed after every draw.
#include "tests/support/glscreen/screen.h"

#include <cstdlib>
#include <functional>
#include <vector>

#include "render/blenders.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/ellipse.h"
#include "render/gl.h"
#include "render/line.h"
#include "render/polygon.h"
#include "render/rect.h"
#include "render/rendermodes.h"
#include "render/transforms.h"

namespace BitmapTests {
namespace {

using namespace GlSupport;

using Draw = std::function<void()>;

const ol::Rgba RED(1.0f, 0.1f, 0.1f, 0.8f);
const ol::Rgba GREEN(0.1f, 0.9f, 0.2f, 0.7f);
const ol::Rgba BLUE(0.2f, 0.3f, 1.0f, 0.9f);

ol::Polygon Pentagon(float x, float y) {
  ol::Polygon pentagon({ol::Vec2(20, 0), ol::Vec2(40, 15), ol::Vec2(32, 40), ol::Vec2(8, 40),
                        ol::Vec2(0, 15)},
                       20, 20);
  pentagon.MoveTo(ol::Vec2(x, y));
  return pentagon;
}

std::vector<Draw> Scene(const ol::Bitmap& sheet, const ol::Bitmap& other, const ol::Bitmap& part) {
  static const ol::FlippedMode mirror(ol::FLIP_HORIZONTAL);
  static const ol::ClippedMode corner(4, 4, 12, 10);
  static const ol::GradientMode shade(ol::Rgba(1, 0, 0), ol::Rgba(0, 1, 0), ol::Rgba(0, 0, 1),
                                      ol::Rgba(1, 1, 1, 0.2f));
  static const ol::MultiMode frame(mirror, corner);
  ol::Rect turned(300, 10, 50, 30, 2.0f, 6.0f);
  turned.RotateBy(-0.15f);
  ol::Polygon stretched = Pentagon(320, 120);
  stretched.TransformBy(ol::Placement(ol::Vec2(), 0.3f, 1.2f));
  return {
      [] { ol::Line(10, 10, 90, 60).Draw(RED); },
      [] { ol::Line(10, 60, 90, 10, 3.0f).DrawOutline(GREEN); },
      [] { ol::Line(10, 80, 90, 90, 2.0f).DrawGradientRaw(RED, BLUE); },
      [] { ol::Rect(110, 10, 60, 40).Draw(BLUE); },
      [] { ol::Rect(210, 10, 60, 40, 1.0f, 8.0f).Draw(GREEN); },
      [] { ol::Rect(220, 20, 60, 40, 3.0f, 8.0f).DrawOutline(BLUE); },
      [=] { turned.Draw(RED); },
      [=] { turned.DrawOutline(GREEN); },
      [] { ol::Circle(50, 150, 30).Draw(GREEN); },
      [] { ol::Circle(150, 150, 30, 5.0f).DrawOutline(BLUE); },
      [] { Pentagon(200, 120).Draw(RED); },
      [] { Pentagon(260, 120).DrawOutline(GREEN); },
      [=] { stretched.DrawOutline(BLUE); },
      [&] { sheet.Blit(420, 220); },
      [&] { other.Blit(440, 240, 0.5f); },
      [&] { sheet.BlitStretched(500, 220, 70, 30); },
      [&] { other.BlitRotated(640, 250, -2.0f, 0.6f); },
      [&] { sheet.BlitWithMode(420, 300, mirror); },
      [&] { sheet.BlitWithMode(500, 300, corner); },
      [&] { sheet.BlitWithMode(540, 300, shade); },
      [&] { sheet.BlitWithMode(580, 300, frame); },
      [&] { other.BlitRotatedWithMode(660, 320, 1.1f, shade); },
      [&] { part.BlitStretched(720, 300, 30, 30); },
      [] { ol::Transforms::SetTintColor(ol::Rgba(0.6f, 0.8f, 1.0f, 0.9f)); },
      [&] { ol::Rect(20, 250, 80, 60).Draw(RED); },
      [&] { sheet.Blit(40, 270); },
      [] { ol::Blenders::Set(ol::ADDITIVE_BLENDER); },
      [&] { ol::Circle(100, 290, 25).Draw(GREEN); },
      [&] { sheet.Blit(90, 260); },
      [] { ol::Blenders::Set(ol::ALPHA_BLENDER); },
      [] { ol::Transforms::SetPosition(150.0f, 20.0f); },
      [] { ol::Rect(20, 250, 80, 60, 2.0f, 5.0f).DrawOutline(BLUE); },
      [] { ol::Transforms::SetPosition(0.0f, 0.0f); },
      [] { ol::Transforms::SetTintColor(ol::Rgba(1, 1, 1, 1)); },
      [] { ol::Canvas::SetClipping(300, 250, 60, 40); },
      [] { ol::Circle(330, 270, 40).Draw(BLUE); },
      [] { ol::Canvas::Fill(0.5f, 0.5f, 0.0f, 1.0f); },
      [] { ol::Rect(290, 240, 40, 30, 2.0f).DrawOutline(RED); },
      [] { ol::Canvas::DisableClipping(); },
      [] { ol::Rect(320, 300, 40, 20).Draw(GREEN); },
  };
}

// Every pixel the same (rounding aside), and at least so many lit.
void ExpectSamePicture(const std::vector<unsigned char>& gathered,
                       const std::vector<unsigned char>& separate, int leastLit) {
  int lit = 0;
  int differing = 0;
  for (std::size_t i = 0; i < separate.size(); i += 4) {
    lit += separate[i] + separate[i + 1] + separate[i + 2] > 0 ? 1 : 0;
    for (std::size_t c = i; c < i + 3; ++c) {
      if (std::abs(gathered[c] - separate[c]) <= 2) continue;
      if (++differing <= 5) {
        ADD_FAILURE() << "pixel " << (i / 4) % 800 << ", " << 599 - (i / 4) / 800 << " channel "
                      << c - i << ": " << int(gathered[c]) << " gathered, " << int(separate[c])
                      << " separate";
      }
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GE(lit, leastLit) << "the scene drew little";
}

class Batching : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    sheet = LoadImage(MakeImage(32, 24, 20, [](int x, int y) {
                        return Pixel{x * 10, y * 12, 200 - x * 8, 120 + x * 5};
                      }),
                      "sheet.png");
    other = LoadImage(MakeImage(32, 16, 16, QuadrantsOf), "quadrants.png");
    part = std::make_unique<ol::Bitmap>(*sheet, ol::Rect(6, 4, 10, 12));
  }

  static Pixel QuadrantsOf(int x, int y) { return Quadrants(x, y, 16, 16); }

  std::vector<unsigned char> DrawScene(const Draw& afterEachDraw) {
    return Paint(Scene(*sheet, *other, *part), afterEachDraw);
  }

  static std::vector<unsigned char> Paint(const std::vector<Draw>& draws, const Draw& afterEachDraw) {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
    for (const Draw& draw : draws) {
      draw();
      afterEachDraw();
    }
    return ReadArea(0, 0, WINDOW_W, WINDOW_H);
  }

  std::unique_ptr<ol::Bitmap> sheet;
  std::unique_ptr<ol::Bitmap> other;
  std::unique_ptr<ol::Bitmap> part;
};

// Fewer draw calls gathered, and every pixel the same (rounding aside).
TEST_F(Batching, GatheredDrawsGiveThePictureOfSeparateOnes) {
  const long start = ol::DrawBatch::DrawsMade();
  const std::vector<unsigned char> gathered = DrawScene([] {});
  const long gatheredDraws = ol::DrawBatch::DrawsMade() - start;
  const std::vector<unsigned char> separate = DrawScene(ol::DrawBatch::Flush);
  const long separateDraws = ol::DrawBatch::DrawsMade() - start - gatheredDraws;
  EXPECT_LT(gatheredDraws, separateDraws);
  ExpectSamePicture(gathered, separate, 20000);
}

// Blits of two textures and shapes taking turns: spread apart they join
// one run of each kind; piled on one another each still covers the ones
// before.
TEST_F(Batching, TurnsOfKindsJoinEarlierRunsOnlyWhereNothingLaterLies) {
  const auto turns = [&](float step) {
    std::vector<Draw> draws;
    for (int i = 0; i < 12; ++i) {
      const float x = 20.0f + step * float(i);
      if (i % 3 == 2) {
        draws.push_back([=] { ol::Circle(x, 410.0f, 9.0f).Draw(i % 2 ? RED : BLUE); });
      } else {
        draws.push_back([=] { (i % 3 ? *sheet : *other).BlitRotated(x, 400.0f, 0.3f * i); });
      }
    }
    return draws;
  };
  ol::DrawBatch::Flush();
  const long start = ol::DrawBatch::DrawsMade();
  Paint(turns(60.0f), [] {});
  ol::DrawBatch::Flush();
  EXPECT_EQ(ol::DrawBatch::DrawsMade() - start, 3);
  ExpectSamePicture(Paint(turns(5.0f), [] {}), Paint(turns(5.0f), ol::DrawBatch::Flush), 1000);
}

// A wholly transparent fill is left out where blending keeps what lies
// beneath, and still copies its colour where it does not.
TEST_F(Batching, TransparentDrawsAreLeftOutOnlyUnderKeepingBlenders) {
  const ol::Rgba clearRed(1.0f, 0.0f, 0.0f, 0.0f);
  for (int blender : {ol::ALPHA_BLENDER, ol::ADDITIVE_BLENDER, ol::COPY_BLENDER}) {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
    ol::Blenders::Set(blender);
    const long start = ol::DrawBatch::DrawsMade();
    ol::Rect(10, 10, 20, 20).Draw(clearRed);
    ol::DrawBatch::Flush();
    const bool copied = blender == ol::COPY_BLENDER;
    EXPECT_EQ(ol::DrawBatch::DrawsMade() - start, copied ? 1 : 0) << blender;
    EXPECT_EQ(ReadPixel(20, 20).r, copied ? 255 : 0) << blender;
  }
  ol::Blenders::Set(ol::ALPHA_BLENDER);
}

}  // namespace
}  // namespace BitmapTests
