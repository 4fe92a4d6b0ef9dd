// A GUI image that draws through the drawing layer: the widget library's own
// Allegro image answers size and pixel questions (the image fonts read their
// glyph layout from it), and a texture of the same file is what is drawn.
#pragma once

#include <guichan/image.hpp>

#include <memory>
#include <string>

#include "render/bitmap.h"

namespace gcn {

class OlImage : public Image {
 public:
  // Loads the file a second time as the drawing layer's texture.
  OlImage(std::unique_ptr<Image> inner, const std::string& filename);
  ~OlImage() override;

  // Frees the inner image and the texture; the bitmap stays registered with
  // the layer's collector until the image is deleted.
  void free() override;
  int getWidth() const override;
  int getHeight() const override;
  Color getPixel(int x, int y) override;
  void putPixel(int x, int y, const Color& color) override;
  void convertToDisplayFormat() override;

  virtual const ol::Bitmap& getBitmap() const;

 private:
  ol::Bitmap bitmap_;
  std::unique_ptr<Image> inner_;
};

}  // namespace gcn
