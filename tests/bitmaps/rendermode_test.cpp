// What each render mode does to the source rectangle and texture record, alone and combined.
#include <gtest/gtest.h>

#include "render/rendermodes.h"
#include "render/textureinfo.h"

namespace {

ol::TextureInfo Image100x60() { return ol::TextureInfo(128, 64, 100, 60, 0x1908); }

void ExpectRect(const ol::SourceRect& r, float x, float y, float w, float h) {
  EXPECT_FLOAT_EQ(r.x, x);
  EXPECT_FLOAT_EQ(r.y, y);
  EXPECT_FLOAT_EQ(r.w, w);
  EXPECT_FLOAT_EQ(r.h, h);
}

void ExpectBounds(const ol::TexCoords& c, float left, float right, float top, float bottom) {
  EXPECT_FLOAT_EQ(c.left, left);
  EXPECT_FLOAT_EQ(c.right, right);
  EXPECT_FLOAT_EQ(c.top, top);
  EXPECT_FLOAT_EQ(c.bottom, bottom);
}

const ol::SourceRect WHOLE{0.0f, 0.0f, 100.0f, 100.0f};

// Cut to what overlaps the image, never a negative size.
TEST(ClippedMode, CutsTheSourceAndTheRecordToItsRectangle) {
  ExpectRect(ol::ClippedMode(10, 20, 30, 40).ClipSource(WHOLE), 10, 20, 30, 40);
  ExpectRect(ol::ClippedMode(90, 0, 30, 40).ClipSource(WHOLE), 90, 0, 10, 40);
  ExpectRect(ol::ClippedMode(-10, 0, 30, 40).ClipSource(WHOLE), 0, 0, 20, 40);
  EXPECT_FLOAT_EQ(ol::ClippedMode(120, 0, 30, 40).ClipSource(WHOLE).w, 0.0f);
  EXPECT_FLOAT_EQ(ol::ClippedMode(-50, 0, 30, 40).ClipSource(WHOLE).w, 0.0f);
  const ol::TexCoords whole(Image100x60());
  ExpectBounds(ol::ClippedMode(90, 50, 30, 40).Select(whole), 90, 100, 50, 60);
  ExpectBounds(ol::ClippedMode(-10, 0, 30, 40).Select(whole), 0, 20, 0, 40);
}

// An unknown flip kind flips nothing.
TEST(MultiMode, AppliesTheFirstModeThenTheSecond) {
  const ol::TexCoords unknown = ol::FlippedMode(5).Select(ol::TexCoords());
  EXPECT_FALSE(unknown.flipHorizontal || unknown.flipVertical);
  const ol::FlippedMode mirror(ol::FLIP_HORIZONTAL);
  const ol::TextureInfo image = Image100x60();
  const ol::ClippedMode frame(10, 20, 30, 40);
  const ol::TexCoords record = ol::MultiMode(frame, mirror).Select(ol::TexCoords(image));
  ExpectBounds(record, 10, 40, 20, 60);
  EXPECT_TRUE(record.flipHorizontal);

  // Two clips in a row: the second works inside the first.
  const ol::ClippedMode inner(5, 5, 100, 100);
  ExpectRect(ol::MultiMode(frame, inner).ClipSource(WHOLE), 15, 25, 25, 35);
}

// A mode that gives each corner's texture coordinate itself, counting them.
class CornerCounting : public ol::RenderMode {
 public:
  bool UsesCornerHook() const override { return true; }
  void SetCornerTexCoord(int, const ol::SourceRect&, const ol::TexCoords&, float,
                         float) const override {
    ++calls;
  }
  mutable int calls = 0;
};

TEST(MultiMode, UsesTheCornerHookOfWhicheverModeHasOne) {
  const ol::FlippedMode plain(ol::FLIP_HORIZONTAL);
  for (bool hookedFirst : {true, false}) {
    const CornerCounting hooked;
    const ol::MultiMode both =
        hookedFirst ? ol::MultiMode(hooked, plain) : ol::MultiMode(plain, hooked);
    EXPECT_TRUE(both.UsesCornerHook()) << hookedFirst;
    both.SetCornerTexCoord(ol::CORNER_TOP_LEFT, WHOLE, ol::TexCoords(), 1.0f, 1.0f);
    EXPECT_EQ(hooked.calls, 1) << hookedFirst;
  }
  EXPECT_FALSE(ol::MultiMode(plain, plain).UsesCornerHook());
}

}  // namespace
