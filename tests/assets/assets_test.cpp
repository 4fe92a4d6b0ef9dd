// The images and image fonts in res/ against what the code assumes: format, sizes, frames, alpha, fonts.
#include <allegro.h>
#include <loadpng.h>
#include <png.h>

#include <cmath>

#include <guichan.hpp>
#include <guichan/allegro.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kRes = std::string(VANTRAIL_SOURCE_DIR) + "/res/";

// Glyph orders the game hands to gcn::ImageFont (Latin-1 bytes).
const std::string kGuiGlyphs =
    " abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\xC5\xC4\xD6"
    "0123456789.-:,\\=_/()+";
const std::string kMenuGlyphs =
    "abcdefghijklmnopqrstuvwxyz, "
    "\xE4"
    ":()0123456789";

const char* const kBackdrops[] = {"mainmenubg.png", "forest.png", "skyday.png", "skydusk.png", "skynight.png",
                                  "skycave.png"};
const char* const kSolidTiles[] = {"ground.png",   "rock.png",     "wood.png",     "metal.png",
                                   "concrete.png", "caverock.png", "gorgewall.png"};

struct Rgba { unsigned char r, g, b, a; };

// Straight RGBA; empty unless the file is 8-bit RGBA, as the game's loader expects.
struct Pixels {
  int width = 0, height = 0;
  std::vector<Rgba> data;
  const Rgba& at(int x, int y) const { return data[std::size_t(y) * width + x]; }
};

Pixels ReadRgba8(const std::string& name) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, (kRes + name).c_str())) return {};
  Pixels px{int(image.width), int(image.height), std::vector<Rgba>(std::size_t(image.width) * image.height)};
  const bool read = image.format == PNG_FORMAT_RGBA && png_image_finish_read(&image, nullptr, px.data.data(), 0, nullptr);
  png_image_free(&image);
  return read ? px : Pixels{};
}

struct ImageSpec {
  std::string name;
  int width, height;
  int frame;   // the square frame of a sheet, 0 for single images
  bool round;  // round or thin: no rectangle of background in the corners
};

std::vector<ImageSpec> Images() {
  std::vector<ImageSpec> images = {
      {"wheel.png", 60, 60, 0, true}, {"moto.png", 200, 100, 0, true}, {"head.png", 40, 40, 0, true},
      {"body.png", 60, 20, 0, true}, {"thigh.png", 30, 6, 0, true}, {"foot.png", 30, 8, 0, true},
      {"hair.png", 36, 8, 0, false}, {"hair2.png", 10, 4, 0, false}, {"hair3.png", 10, 4, 0, false},
      {"hair4.png", 10, 4, 0, false}, {"smoke.png", 512, 512, 128, false}, {"smoke_small.png", 512, 128, 64, false},
      {"staritem.png", 256, 32, 32, false}, {"speedmeter.png", 128, 64, 0, false},
      {"speedmeterneedle.png", 64, 8, 0, true}, {"rotationmeter.png", 64, 64, 0, true},
      {"rotationsegment.png", 32, 32, 0, true}, {"cursor.png", 32, 32, 0, false}, {"objective.png", 32, 32, 0, true},
      {"dlgseparator.png", 680, 4, 0, false}, {"water.png", 128, 128, 0, false}, {"grass.png", 128, 128, 0, false},
      {"turf.png", 96, 128, 0, false}, {"turfbend.png", 8, 128, 0, false},
      {"finish.png", 64, 128, 0, true}, {"boost.png", 64, 32, 0, false}, {"sign.png", 64, 64, 0, true},
      {"cloud1.png", 256, 128, 0, true}, {"cloud2.png", 128, 64, 0, true}, {"cloud3.png", 256, 128, 0, true},
      // Drawn at the size of the level blocks that show them.
      {"gate16x160.png", 16, 160, 0, false}, {"gate16x192.png", 16, 192, 0, false}, {"button.png", 64, 8, 0, false},
      {"plate.png", 256, 8, 0, false}, {"log.png", 64, 192, 0, true}, {"startpost.png", 32, 128, 0, false},
      {"boulder.png", 28, 28, 0, true}, {"castlewall.png", 384, 232, 0, false}, {"crate.png", 64, 64, 0, false},
      {"spool.png", 64, 64, 0, true}, {"lamp.png", 160, 176, 0, true}, {"cavemouth.png", 128, 640, 0, false}};
  for (int d = 0; d < 10; ++d) images.push_back({"num" + std::to_string(d) + ".png", 28, 40, 0, d == 1});
  for (const char* name : kBackdrops) images.push_back({name, 800, 600, 0, false});
  for (const char* name : kSolidTiles) images.push_back({name, 128, 128, 0, false});
  return images;
}

TEST(AssetImages, EveryFileIsRgba8WithTheSizeAndCornersTheCodeAssumes) {
  const int kTrace = 26;  // about 10 % opacity: a trace of anti-aliasing
  for (const ImageSpec& spec : Images()) {
    SCOPED_TRACE(spec.name);
    const Pixels px = ReadRgba8(spec.name);
    ASSERT_EQ(px.width, spec.width) << "missing, not a PNG or not 8-bit RGBA";
    EXPECT_EQ(px.height, spec.height);
    if (!spec.round) continue;
    const int w = px.width - 1, h = px.height - 1;
    EXPECT_LT(std::max(px.at(0, 0).a, px.at(w, 0).a), kTrace);
    EXPECT_LT(std::max(px.at(0, h).a, px.at(w, h).a), kTrace);
  }
  const Pixels dial = ReadRgba8("speedmeter.png");  // hangs from the top edge: round below
  EXPECT_LT(std::max(dial.at(0, dial.height - 1).a, dial.at(dial.width - 1, dial.height - 1).a), kTrace);
  // and closed along that edge by a light bar, not cut through its dark face
  for (int x : {20, dial.width / 2 - 20, dial.width - 21}) EXPECT_GT(dial.at(x, 2).g, 128) << "at " << x;
}

// Glow Cave hangs its lamp, a composite drawn as a line from 4 to 84 units
// under the hook and a ring of radius 10 round 94 under it, behind this
// picture: every pixel those outlines touch must be covered.
TEST(AssetImages, TheLampCoversTheChainAndGlassItHangsOver) {
  const Pixels lamp = ReadRgba8("lamp.png");
  ASSERT_EQ(lamp.width, 160);
  const int hook = lamp.width / 2;
  for (int y = 3; y <= 85; ++y)
    for (int x = hook - 1; x <= hook + 1; ++x) EXPECT_EQ(lamp.at(x, y).a, 255) << "chain at " << x << ", " << y;
  for (int degree = 0; degree < 360; degree += 5)
    for (float r : {8.5f, 10.0f, 11.5f}) {
      const float turn = degree * 3.14159265f / 180.0f;
      const int x = int(std::lround(hook + r * std::cos(turn))), y = int(std::lround(94 + r * std::sin(turn)));
      EXPECT_EQ(lamp.at(x, y).a, 255) << "glass at " << x << ", " << y;
    }
}

// Backdrops and solid textures are opaque; water lets the level show through but is never invisible.
TEST(AssetImages, AlphaStaysInItsRange) {
  std::vector<std::string> names(std::begin(kBackdrops), std::end(kBackdrops));
  names.insert(names.end(), std::begin(kSolidTiles), std::end(kSolidTiles));
  names.insert(names.end(), {"boost.png", "water.png"});
  for (const std::string& name : names) {
    const Pixels px = ReadRgba8(name);
    ASSERT_GT(px.width, 0) << name;
    const int lo = name == "water.png" ? 100 : 255, hi = name == "water.png" ? 250 : 255;
    EXPECT_TRUE(std::all_of(px.data.begin(), px.data.end(), [&](const Rgba& p) { return p.a >= lo && p.a <= hi; }))
        << name;
  }
}

// Each frame of a sheet shows something, centred: a misread grid or a drifting puff shows here.
TEST(AssetImages, AnimationFramesAreCentredAndNotEmpty) {
  for (const ImageSpec& sheet : Images()) {
    if (!sheet.frame) continue;
    const Pixels px = ReadRgba8(sheet.name);
    ASSERT_GT(px.width, 0) << sheet.name;
    for (int fy = 0; fy < px.height; fy += sheet.frame)
      for (int fx = 0; fx < px.width; fx += sheet.frame) {
        SCOPED_TRACE(testing::Message() << sheet.name << " frame at " << fx << ", " << fy);
        double sum = 0, sx = 0, sy = 0;
        for (int y = 0; y < sheet.frame; ++y)
          for (int x = 0; x < sheet.frame; ++x) {
            const double a = px.at(fx + x, fy + y).a;
            sum += a;
            sx += a * x;
            sy += a * y;
          }
        ASSERT_GT(sum, 0.0) << "empty frame";
        EXPECT_NEAR(sx / sum, sheet.frame / 2.0, sheet.frame * 0.08);
        EXPECT_NEAR(sy / sum, sheet.frame / 2.0, sheet.frame * 0.08);
      }
  }
}

// The earth under turned and stepped turf: tracks lay ground tiles in columns
// out of step with each other and turf pieces every 64 pixels along a slope.
class AssetEarth : public ::testing::Test {
 protected:
  static int Tone(const Rgba& p) { return p.r + p.g + p.b; }
  // Mean tone of a w x h block.
  static double Mean(const Pixels& px, int x0, int y0, int w, int h) {
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) sum += Tone(px.at(x, y));
    return sum / (w * h);
  }
  static double Median(const Pixels& px) {
    std::vector<int> tones;
    for (const Rgba& p : px.data) tones.push_back(Tone(p));
    std::nth_element(tones.begin(), tones.begin() + tones.size() / 2, tones.end());
    return tones[tones.size() / 2];
  }
};

// A broad light or dark patch would be cut straight where two columns meet a
// few pixels apart, and a stone crossing an edge would be cut in half there.
TEST_F(AssetEarth, GroundHasNoBroadPatchesAndNothingOnItsEdges) {
  const Pixels ground = ReadRgba8("ground.png");
  ASSERT_EQ(ground.width, 128);
  double lo = 1e9, hi = 0;
  for (int y = 0; y < 128; y += 16)
    for (int x = 0; x < 128; x += 16) {
      lo = std::min(lo, Mean(ground, x, y, 16, 16));
      hi = std::max(hi, Mean(ground, x, y, 16, 16));
    }
  EXPECT_LT(hi - lo, 30) << "16-pixel patches differ too much in tone";
  const double median = Median(ground);
  int off = 0, edge = 0;
  for (int i = 0; i < 128; ++i)
    for (const auto& [x, y] : {std::pair{i, 0}, std::pair{i, 127}, std::pair{0, i}, std::pair{127, i}}) {
      ++edge;
      off += std::abs(Tone(ground.at(x, y)) - median) > 45;
    }
  EXPECT_LT(off, edge / 25) << "pixels on the tile's edges unlike plain earth";
}

// The turf repeats every 64-pixel step, reaching on under the next piece; its
// grass lies flat where the next piece starts up to 8 pixels later in the
// pattern; and below the grass it is the ground's plain earth, which the
// ground tiles are laid over.
TEST_F(AssetEarth, TurfRepeatsEveryStepAndEndsInTheGroundsEarth) {
  const Pixels turf = ReadRgba8("turf.png"), ground = ReadRgba8("ground.png");
  ASSERT_EQ(turf.width, 96);
  ASSERT_EQ(ground.width, 128);
  for (int x = 0; x < 8; ++x)
    for (int y = 0; y < 128; ++y) {
      const Rgba &a = turf.at(x, y), &b = turf.at(x + 64, y);
      const int apart = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
      ASSERT_LE(apart, 2) << "at " << x << ", " << y;  // rounding only
    }
  for (int x = 72; x < 96; ++x) {
    EXPECT_EQ(turf.at(x, 10).a, 0) << "no blades where the next piece's surface lies, at " << x;
    for (int y = 24; y < 128; ++y) ASSERT_NEAR(Tone(turf.at(x, y)), Tone(turf.at(x - 64, y)), 6) << x << ", " << y;
  }
  for (int x = 1; x <= 8; ++x)
    for (int y = 33; y < 64; ++y)  // the inked lower edge and its shadow, below the blades
      EXPECT_LE(std::abs(Tone(turf.at(x, y)) - Tone(turf.at(0, y))), 90) << "grass edge moves at " << x << ", " << y;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 96; ++x) ASSERT_TRUE(y < 24 || turf.at(x, y).a == 255) << x << ", " << y;
  EXPECT_NEAR(Mean(turf, 0, 60, 64, 68), Median(ground), 12) << "the turf's earth is not the ground's";
}

// A bend is laid in short steps of the turf's join alone: its grass lies as
// flat and as high as the turf's where two pieces meet, so a step shows no
// edge against its neighbours or the whole pieces either side, and below
// the grass it is the same earth.
TEST_F(AssetEarth, TurfBendMeetsTheTurfAtItsJoin) {
  const Pixels turf = ReadRgba8("turf.png"), bend = ReadRgba8("turfbend.png");
  ASSERT_EQ(bend.width, 8);
  for (int x = 0; x < 8; ++x) {
    for (int y = 33; y < 64; ++y)
      EXPECT_LE(std::abs(Tone(bend.at(x, y)) - Tone(turf.at(0, y))), 90) << "grass edge apart at " << x << ", " << y;
    for (int y = 24; y < 128; ++y) ASSERT_EQ(bend.at(x, y).a, 255) << x << ", " << y;
  }
  EXPECT_NEAR(Mean(bend, 0, 64, 8, 64), Mean(turf, 0, 64, 64, 64), 6) << "the bend's earth is not the turf's";
}

// Exposes the glyph rectangles the library found while parsing.
class InspectedFont : public gcn::ImageFont {
 public:
  InspectedFont(const std::string& file, const std::string& glyphs) : gcn::ImageFont(kRes + file, glyphs) {}
  gcn::Rectangle glyph(unsigned char c) const { return mGlyph[c]; }
};

class AssetFonts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
    set_color_depth(32);
    set_color_conversion(COLORCONV_NONE);
    register_png_file_type();
    gcn::Image::setImageLoader(&loader_);
  }

  // Read apart from guichan: columns outside glyphs are all separator colour (RGB),
  // no other pixel is; cells hold no blank columns beside the glyph; guichan finds the same.
  // Digits share one width, so that times and scores do not jitter; a space is
  // a gap but not a hole; no glyph is wider than maxWidth.
  static void CheckStrip(const std::string& file, const std::string& glyphs, int height, int minSpace,
                         int maxWidth) {
    const Pixels px = ReadRgba8(file);
    ASSERT_EQ(px.height, height);
    const auto separator = [](const Rgba& p) { return p.r == 255 && p.g == 0 && p.b == 255; };
    ASSERT_TRUE(separator(px.at(0, 0)) && px.at(0, 0).a == 255);
    InspectedFont font(file, glyphs);
    EXPECT_EQ(font.getHeight(), height);
    int x = 0;
    for (const char c : glyphs) {
      SCOPED_TRACE(std::string("glyph '") + c + "'");
      for (; x < px.width && separator(px.at(x, 0)); ++x) {
        for (int y = 0; y < height; ++y) ASSERT_TRUE(separator(px.at(x, y))) << "column " << x;
      }
      const int start = x;
      for (; x < px.width && !separator(px.at(x, 0)); ++x) {
        for (int y = 0; y < height; ++y) ASSERT_FALSE(separator(px.at(x, y))) << "column " << x;
      }
      ASSERT_GE(x - start, 3);
      const auto inked = [&](int column) {
        for (int y = 0; y < height; ++y)
          if (px.at(column, y).a > 0) return true;
        return false;
      };
      // Digits are centred in the widest digit's cell.
      if (c != ' ' && !std::isdigit(static_cast<unsigned char>(c))) {
        EXPECT_TRUE(inked(start) && inked(x - 1)) << "a blank column would widen every word";
      }
      EXPECT_EQ(font.glyph(static_cast<unsigned char>(c)).x, start);
      EXPECT_EQ(font.getWidth(c), x - start);
      EXPECT_LE(x - start, maxWidth);
    }
    EXPECT_LT(x, px.width) << "a separator closes the last glyph";
    for (; x < px.width; ++x) ASSERT_TRUE(separator(px.at(x, 0))) << "a glyph too many at " << x;
    for (char d = '1'; d <= '9'; ++d) EXPECT_EQ(font.getWidth(d), font.getWidth('0')) << d;
    EXPECT_GE(font.getWidth(' '), minSpace);
    EXPECT_LE(font.getWidth(' '), font.getWidth('n'));
  }

  static gcn::AllegroImageLoader loader_;
};

gcn::AllegroImageLoader AssetFonts::loader_;

TEST_F(AssetFonts, BothStripsParseIntoGlyphsThatSuitTheLayouts) {
  ASSERT_EQ(kGuiGlyphs.size(), 77u);
  ASSERT_EQ(kMenuGlyphs.size(), 42u);
  CheckStrip("fixedfont.png", kGuiGlyphs, 14, 3, 99);
  CheckStrip("menufont.png", kMenuGlyphs, 32, 5, 24);  // menu words fit their buttons
}

}  // namespace
