#include "render/allegrogl/olimage.h"

#include <guichan/color.hpp>

namespace gcn {

OlImage::OlImage(std::unique_ptr<Image> inner, const std::string& filename)
    : inner_(std::move(inner)) {
  bitmap_.Load(filename);
}

OlImage::~OlImage() = default;

void OlImage::free() {
  inner_->free();
  bitmap_.Destroy(false);
}

int OlImage::getWidth() const { return inner_->getWidth(); }

int OlImage::getHeight() const { return inner_->getHeight(); }

Color OlImage::getPixel(int x, int y) { return inner_->getPixel(x, y); }

void OlImage::putPixel(int x, int y, const Color& color) { inner_->putPixel(x, y, color); }

void OlImage::convertToDisplayFormat() { inner_->convertToDisplayFormat(); }

const ol::Bitmap& OlImage::getBitmap() const { return bitmap_; }

}  // namespace gcn
