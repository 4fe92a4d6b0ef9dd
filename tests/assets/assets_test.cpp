// Checks the committed images and image fonts in res/ against what the game
// code assumes about them: file format, sizes, frame grids, transparency,
// and that both font strips parse through guichan's ImageFont into exactly
// the glyphs the game asks for.

#include <allegro.h>
#include <loadpng.h>
#include <png.h>

#include <guichan.hpp>
#include <guichan/allegro.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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

// ---------------------------------------------------------------------------
// PNG helpers

struct Header {
    bool ok = false;
    uint32_t width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
};

uint32_t bigEndian32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// Reads the IHDR chunk straight from the file, so the test sees the stored
// format rather than whatever a decoder converts it to.
Header readHeader(const std::string& path) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Header h;
    std::ifstream in(path, std::ios::binary);
    unsigned char bytes[26];
    if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return h;
    if (!std::equal(kSignature, kSignature + 8, bytes)) return h;
    if (std::string(reinterpret_cast<char*>(bytes + 12), 4) != "IHDR") return h;
    h.width = bigEndian32(bytes + 16);
    h.height = bigEndian32(bytes + 20);
    h.bitDepth = bytes[24];
    h.colourType = bytes[25];
    h.ok = true;
    return h;
}

struct Rgba {
    unsigned char r, g, b, a;
};

struct Pixels {
    int width = 0, height = 0;
    std::vector<Rgba> data;
    const Rgba& at(int x, int y) const { return data[size_t(y) * width + x]; }
};

// Decodes to straight (non-premultiplied) RGBA with libpng.
Pixels readPixels(const std::string& path) {
    Pixels px;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return px;
    image.format = PNG_FORMAT_RGBA;
    px.width = int(image.width);
    px.height = int(image.height);
    px.data.resize(size_t(px.width) * px.height);
    if (!png_image_finish_read(&image, nullptr, px.data.data(), 0, nullptr)) {
        png_image_free(&image);
        return Pixels{};
    }
    return px;
}

// ---------------------------------------------------------------------------
// Image files

struct ImageSpec {
    const char* name;
    int width, height;
    int frameWidth, frameHeight;  // equal to the size for single images
};

const ImageSpec kImages[] = {
    {"wheel.png", 60, 60, 60, 60},
    {"moto.png", 200, 100, 200, 100},
    {"head.png", 40, 40, 40, 40},
    {"body.png", 60, 20, 60, 20},
    {"thigh.png", 30, 6, 30, 6},
    {"foot.png", 30, 8, 30, 8},
    {"hair.png", 10, 4, 10, 4},
    {"hair2.png", 10, 4, 10, 4},
    {"hair3.png", 10, 4, 10, 4},
    {"hair4.png", 10, 4, 10, 4},
    {"smoke.png", 512, 512, 128, 128},
    {"smoke_small.png", 512, 128, 64, 64},
    {"staritem.png", 256, 32, 32, 32},
    {"speedmeter.png", 128, 64, 128, 64},
    {"speedmeterneedle.png", 64, 8, 64, 8},
    {"rotationmeter.png", 64, 64, 64, 64},
    {"rotationsegment.png", 32, 32, 32, 32},
    {"num0.png", 28, 40, 28, 40},
    {"num1.png", 28, 40, 28, 40},
    {"num2.png", 28, 40, 28, 40},
    {"num3.png", 28, 40, 28, 40},
    {"num4.png", 28, 40, 28, 40},
    {"num5.png", 28, 40, 28, 40},
    {"num6.png", 28, 40, 28, 40},
    {"num7.png", 28, 40, 28, 40},
    {"num8.png", 28, 40, 28, 40},
    {"num9.png", 28, 40, 28, 40},
    {"mainmenubg.png", 800, 600, 800, 600},
    {"forest.png", 800, 600, 800, 600},
    {"cursor.png", 32, 32, 32, 32},
    {"objective.png", 32, 32, 32, 32},
    {"dlgseparator.png", 680, 4, 680, 4},
    {"ground.png", 128, 128, 128, 128},
    {"grass.png", 128, 128, 128, 128},
    {"rock.png", 128, 128, 128, 128},
    {"wood.png", 128, 128, 128, 128},
    {"metal.png", 128, 128, 128, 128},
    {"concrete.png", 128, 128, 128, 128},
    {"caverock.png", 128, 128, 128, 128},
    {"water.png", 128, 128, 128, 128},
    {"finish.png", 64, 128, 64, 128},
    {"boost.png", 64, 32, 64, 32},
    {"sign.png", 64, 64, 64, 64},
    {"cloud1.png", 256, 128, 256, 128},
    {"cloud2.png", 128, 64, 128, 64},
    {"cloud3.png", 256, 128, 256, 128},
    {"skyday.png", 800, 600, 800, 600},
    {"skydusk.png", 800, 600, 800, 600},
    {"skycave.png", 800, 600, 800, 600},
};

TEST(AssetImages, EveryFileIsRgba8WithTheSizeTheCodeAssumes) {
    for (const ImageSpec& spec : kImages) {
        SCOPED_TRACE(spec.name);
        Header h = readHeader(kRes + spec.name);
        ASSERT_TRUE(h.ok) << "missing or not a PNG";
        EXPECT_EQ(h.colourType, 6) << "must be RGBA";
        EXPECT_EQ(h.bitDepth, 8);
        EXPECT_EQ(h.width, uint32_t(spec.width));
        EXPECT_EQ(h.height, uint32_t(spec.height));
        EXPECT_EQ(spec.width % spec.frameWidth, 0);
        EXPECT_EQ(spec.height % spec.frameHeight, 0);
    }
    for (const char* font : {"fixedfont.png", "menufont.png"}) {
        SCOPED_TRACE(font);
        Header h = readHeader(kRes + font);
        ASSERT_TRUE(h.ok);
        EXPECT_EQ(h.colourType, 6);
        EXPECT_EQ(h.bitDepth, 8);
    }
}

TEST(AssetImages, RotatedImagesHaveEvenSizesForAnIntegerPivot) {
    for (const char* name : {"wheel.png", "moto.png", "head.png", "body.png", "thigh.png", "foot.png",
                             "hair.png", "speedmeterneedle.png", "staritem.png"}) {
        SCOPED_TRACE(name);
        Header h = readHeader(kRes + name);
        ASSERT_TRUE(h.ok);
        EXPECT_EQ(h.width % 2, 0u);
        EXPECT_EQ(h.height % 2, 0u);
    }
}

TEST(AssetImages, BackdropsAndSolidTexturesAreFullyOpaque) {
    for (const char* name : {"mainmenubg.png", "forest.png", "skyday.png", "skydusk.png", "skycave.png", "ground.png",
                             "rock.png", "wood.png", "metal.png", "concrete.png", "caverock.png", "boost.png"}) {
        SCOPED_TRACE(name);
        Pixels px = readPixels(kRes + name);
        ASSERT_GT(px.width, 0);
        int holes = 0;
        for (const Rgba& p : px.data) holes += p.a != 255;
        EXPECT_EQ(holes, 0);
    }
}

// Sprites of round or thin things must not carry a rectangle of background.
// Corners may hold a trace of anti-aliasing, nothing more.
TEST(AssetImages, NonRectangularSpritesHaveTransparentCorners) {
    const int kTrace = 26;  // about 10 % opacity
    for (const char* name : {"wheel.png", "moto.png", "head.png", "body.png", "thigh.png", "foot.png",
                             "speedmeter.png", "speedmeterneedle.png", "rotationmeter.png",
                             "rotationsegment.png", "objective.png", "num1.png", "finish.png", "sign.png",
                             "cloud1.png", "cloud2.png", "cloud3.png"}) {
        SCOPED_TRACE(name);
        Pixels px = readPixels(kRes + name);
        ASSERT_GT(px.width, 0);
        int w = px.width - 1, h = px.height - 1;
        // The speed dial hangs from the top edge: only its lower corners
        // are empty.
        if (std::string(name) != "speedmeter.png") {
            EXPECT_LT(px.at(0, 0).a, kTrace);
            EXPECT_LT(px.at(w, 0).a, kTrace);
        }
        EXPECT_LT(px.at(0, h).a, kTrace);
        EXPECT_LT(px.at(w, h).a, kTrace);
    }
}

// The wheels are drawn under the bike; the bike may only reach into the
// wheel discs with its swingarm and fork, or the spinning wheels vanish.
TEST(AssetImages, BikeLeavesTheWheelDiscsMostlyClear) {
    Pixels px = readPixels(kRes + "moto.png");
    ASSERT_EQ(px.width, 200);
    struct Axle {
        int x, y;
    };
    for (Axle axle : {Axle{52, 78}, Axle{152, 78}}) {
        SCOPED_TRACE(axle.x);
        int inside = 0, covered = 0;
        for (int y = 0; y < px.height; ++y)
            for (int x = 0; x < px.width; ++x) {
                int dx = x - axle.x, dy = y - axle.y;
                if (dx * dx + dy * dy >= 28 * 28) continue;
                ++inside;
                covered += px.at(x, y).a > 0;
            }
        EXPECT_LT(covered * 100 / inside, 20);
        // ...but something is mounted on the axle itself.
        EXPECT_EQ(px.at(axle.x, axle.y).a, 255);
    }
}

// Each frame of an animation sheet shows something, centred in the frame:
// a grid read in the wrong order or a puff drifting off would show here.
TEST(AssetImages, AnimationFramesAreCentredAndNotEmpty) {
    struct Sheet {
        const char* name;
        int frame;
    };
    for (Sheet sheet : {Sheet{"smoke.png", 128}, Sheet{"smoke_small.png", 64}, Sheet{"staritem.png", 32}}) {
        SCOPED_TRACE(sheet.name);
        Pixels px = readPixels(kRes + sheet.name);
        ASSERT_GT(px.width, 0);
        int frames = 0;
        for (int fy = 0; fy < px.height; fy += sheet.frame)
            for (int fx = 0; fx < px.width; fx += sheet.frame) {
                SCOPED_TRACE(frames++);
                double sum = 0, sx = 0, sy = 0;
                for (int y = 0; y < sheet.frame; ++y)
                    for (int x = 0; x < sheet.frame; ++x) {
                        double a = px.at(fx + x, fy + y).a;
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

// ---------------------------------------------------------------------------
// Level textures, which the game lays edge to edge

// Mean difference between line a of one picture and line b of another
// (columns or rows), in premultiplied 0..255 steps summed over the four
// channels: how big a step the eye sees going from one line to the next.
double lineStep(const Pixels& pa, int a, const Pixels& pb, int b, bool columns) {
    int length = columns ? pa.height : pa.width;
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const Rgba& p = columns ? pa.at(a, i) : pa.at(i, a);
        const Rgba& q = columns ? pb.at(b, i) : pb.at(i, b);
        sum += std::abs(p.r * p.a - q.r * q.a) / 255.0 + std::abs(p.g * p.a - q.g * q.a) / 255.0 +
               std::abs(p.b * p.a - q.b * q.a) / 255.0 + std::abs(p.a - q.a);
    }
    return sum / length;
}

// Where `after` is laid right after (or below) `before`, the step across
// the join must be no bigger than the steps just beside it (three line
// pairs on each side) plus the average step within `after`. A picture
// that does not wrap (unwrapped noise, a gradient, cut-off stones) jumps
// there.
void expectContinues(const Pixels& before, const Pixels& after, bool columns) {
    int n = columns ? before.width : before.height;
    double seam = lineStep(before, n - 1, after, 0, columns);
    double beside = 0;
    for (int k = 0; k < 3; ++k)
        beside += lineStep(before, n - 2 - k, before, n - 1 - k, columns) + lineStep(after, k, after, k + 1, columns);
    double average = 0;
    for (int k = 0; k + 1 < n; ++k) average += lineStep(after, k, after, k + 1, columns);
    EXPECT_LE(seam, beside / 6 + average / (n - 1)) << (columns ? "left/right" : "top/bottom") << " join";
}

TEST(AssetTextures, TilesRepeatWithoutASeam) {
    struct Tile {
        const char* name;
        bool down;  // repeats downwards too, not only sideways
    };
    for (Tile tile : {Tile{"ground.png", true}, Tile{"rock.png", true}, Tile{"wood.png", true},
                      Tile{"metal.png", true}, Tile{"concrete.png", true}, Tile{"caverock.png", true},
                      Tile{"water.png", true}, Tile{"grass.png", false}, Tile{"boost.png", false}}) {
        SCOPED_TRACE(tile.name);
        Pixels px = readPixels(kRes + tile.name);
        ASSERT_GT(px.width, 0);
        expectContinues(px, px, true);
        if (tile.down) expectContinues(px, px, false);
    }
}

// Grass caps ground blocks: its earth runs on into the ground tile below,
// and above the turf only blade tips stand, over transparency.
TEST(AssetTextures, GrassStripSitsOnTopOfGround) {
    Pixels grass = readPixels(kRes + "grass.png");
    Pixels ground = readPixels(kRes + "ground.png");
    ASSERT_EQ(grass.width, ground.width);
    expectContinues(grass, ground, false);
    for (int x = 0; x < grass.width; ++x) {
        EXPECT_EQ(grass.at(x, 0).a, 0) << "top row at " << x;
        EXPECT_EQ(grass.at(x, grass.height / 2).a, 255) << "middle row at " << x;
    }
}

// Water lets the level show through, but is never invisible.
TEST(AssetTextures, WaterIsTranslucentEverywhere) {
    Pixels px = readPixels(kRes + "water.png");
    ASSERT_GT(px.width, 0);
    int outside = 0;
    for (const Rgba& p : px.data) outside += p.a < 100 || p.a > 250;
    EXPECT_EQ(outside, 0);
}

// ---------------------------------------------------------------------------
// Image fonts

// Cells between separator columns, found independently of guichan.
struct Cell {
    int x, width;
};

bool isSeparator(const Rgba& p) { return p.r == 255 && p.g == 0 && p.b == 255; }

std::vector<Cell> scanCells(const Pixels& px) {
    std::vector<Cell> cells;
    int x = 0;
    while (x < px.width) {
        if (isSeparator(px.at(x, 0))) {
            ++x;
            continue;
        }
        int start = x;
        while (x < px.width && !isSeparator(px.at(x, 0))) ++x;
        cells.push_back({start, x - start});
    }
    return cells;
}

// Exposes the glyph rectangles the library found while parsing.
class InspectedFont : public gcn::ImageFont {
public:
    InspectedFont(const std::string& file, const std::string& glyphs) : gcn::ImageFont(file, glyphs) {}
    gcn::Rectangle glyph(unsigned char c) const { return mGlyph[c]; }
};

class AssetFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // No screen: the library only needs Allegro's bitmap and PNG code.
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
        set_color_depth(32);
        set_color_conversion(COLORCONV_NONE);
        register_png_file_type();
        gcn::Image::setImageLoader(&loader_);
    }

    static void checkStrip(const std::string& file, const std::string& glyphs, int height) {
        Pixels px = readPixels(kRes + file);
        ASSERT_GT(px.width, 0);
        EXPECT_EQ(px.height, height);
        EXPECT_TRUE(isSeparator(px.at(0, 0)) && px.at(0, 0).a == 255) << "pixel (0,0) is the separator";
        EXPECT_TRUE(isSeparator(px.at(px.width - 1, 0))) << "a separator closes the last glyph";

        std::vector<Cell> cells = scanCells(px);
        ASSERT_EQ(cells.size(), glyphs.size());
        std::vector<bool> inCell(px.width, false);
        for (const Cell& c : cells)
            for (int x = c.x; x < c.x + c.width; ++x) inCell[x] = true;

        for (int y = 0; y < px.height; ++y)
            for (int x = 0; x < px.width; ++x) {
                const Rgba& p = px.at(x, y);
                // guichan ignores alpha when it compares colours, so even a
                // transparent magenta pixel would split a glyph in two.
                if (inCell[x]) ASSERT_FALSE(isSeparator(p)) << "separator colour inside a glyph at " << x << "," << y;
                else ASSERT_TRUE(isSeparator(p)) << "separator column broken at " << x << "," << y;
            }
        for (size_t i = 0; i < cells.size(); ++i) {
            SCOPED_TRACE(std::string("glyph '") + glyphs[i] + "'");
            ASSERT_GE(cells[i].width, 3);
            // Transparent margin on both sides keeps filtering from pulling
            // the separator colour into the glyph.
            for (int y = 0; y < px.height; ++y) {
                EXPECT_EQ(px.at(cells[i].x, y).a, 0);
                EXPECT_EQ(px.at(cells[i].x + cells[i].width - 1, y).a, 0);
            }
        }

        InspectedFont font(kRes + file, glyphs);
        EXPECT_EQ(font.getHeight(), height);
        for (size_t i = 0; i < glyphs.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(glyphs[i]);
            SCOPED_TRACE(std::string("glyph '") + glyphs[i] + "'");
            EXPECT_EQ(font.glyph(c).x, cells[i].x);
            EXPECT_EQ(font.glyph(c).width, cells[i].width);
            EXPECT_EQ(font.getWidth(c), cells[i].width);
            EXPECT_GT(font.getWidth(c), 0);
        }
    }

    static gcn::AllegroImageLoader loader_;
};

gcn::AllegroImageLoader AssetFonts::loader_;

TEST_F(AssetFonts, GuiFontParsesIntoAll77Glyphs) {
    ASSERT_EQ(kGuiGlyphs.size(), 77u);
    checkStrip("fixedfont.png", kGuiGlyphs, 14);
}

TEST_F(AssetFonts, MenuFontParsesIntoAll42Glyphs) {
    ASSERT_EQ(kMenuGlyphs.size(), 42u);
    checkStrip("menufont.png", kMenuGlyphs, 32);
}

TEST_F(AssetFonts, GlyphWidthsSuitTheLayouts) {
    gcn::ImageFont gui(kRes + "fixedfont.png", kGuiGlyphs);
    gcn::ImageFont menu(kRes + "menufont.png", kMenuGlyphs);

    // Times and scores must not jitter as digits change.
    for (char d = '1'; d <= '9'; ++d) {
        EXPECT_EQ(gui.getWidth(d), gui.getWidth('0')) << d;
        EXPECT_EQ(menu.getWidth(d), menu.getWidth('0')) << d;
    }
    // A proportional font: narrow letters narrower than wide ones.
    EXPECT_LT(gui.getWidth('i'), gui.getWidth('m'));
    EXPECT_LT(menu.getWidth('i'), menu.getWidth('m'));
    EXPECT_LT(gui.getWidth('l'), gui.getWidth('W'));

    // Spaces must be visible as a gap but not a hole.
    EXPECT_GE(gui.getWidth(' '), 3);
    EXPECT_LE(gui.getWidth(' '), gui.getWidth('n'));
    EXPECT_GE(menu.getWidth(' '), 5);
    EXPECT_LE(menu.getWidth(' '), menu.getWidth('n'));

    int widest = 0;
    for (char c : kMenuGlyphs) widest = std::max(widest, menu.getWidth(c));
    EXPECT_LE(widest, 24);
    // The longest menu word fits a 300-pixel button with room to spare.
    EXPECT_LE(menu.getWidth("credits"), 300 - 40);
}

}  // namespace
