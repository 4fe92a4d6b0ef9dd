// The GUI's image loader: images that answer the widgets' pixel questions
// and draw through the drawing layer.
#include <guichan/color.hpp>

#include <memory>

#include "render/allegrogl/olimage.h"
#include "render/allegrogl/olimageloader.h"
#include "tests/bitmaps/testimages.h"
#include "tests/render/screen.h"

namespace {

// A 6 x 3 image: green with one magenta column at x = 2.
std::string WriteImage(const std::string& name) {
  const BitmapTests::Painter paint = [](int x, int) {
    return x == 2 ? BitmapTests::Pixel{255, 0, 255, 255} : BitmapTests::Pixel{0, 200, 0, 255};
  };
  return BitmapTests::SavePng(BitmapTests::MakeImage(32, 6, 3, paint), name);
}

// Names as the game writes them: relative to the program, with backslashes.
TEST(OlImageLoader, LoadsGameFileNamesIntoBothImages) {
  const std::string name = WriteImage("column.png");
  ASSERT_NE(name.find('\\'), std::string::npos);
  gcn::OlImageLoader loader;
  const std::unique_ptr<gcn::Image> image(loader.load(name, false));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->getWidth(), 6);
  EXPECT_EQ(image->getHeight(), 3);
  EXPECT_EQ(image->getPixel(2, 1).r, 255);
  EXPECT_EQ(image->getPixel(2, 1).g, 0);
  EXPECT_EQ(image->getPixel(3, 1).g, 200);
  const auto* olImage = dynamic_cast<const gcn::OlImage*>(image.get());
  ASSERT_NE(olImage, nullptr);
  EXPECT_TRUE(olImage->getBitmap().IsValid());
  EXPECT_EQ(olImage->getBitmap().Width(), 6);
}

TEST(OlImageLoader, AMissingFileGivesNoImage) {
  gcn::OlImageLoader loader;
  EXPECT_EQ(loader.load("res\\no-such-image.png"), nullptr);
}

TEST(OlImage, FreeReleasesTheTexture) {
  gcn::OlImageLoader loader;
  const std::unique_ptr<gcn::Image> image(loader.load(WriteImage("freed.png")));
  ASSERT_NE(image, nullptr);
  image->free();
  EXPECT_FALSE(dynamic_cast<const gcn::OlImage&>(*image).getBitmap().IsValid());
}

}  // namespace
