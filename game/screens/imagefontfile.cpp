#include "game/screens/imagefontfile.h"

#include <guichan/exception.hpp>
#include <guichan/image.hpp>

namespace Kest {

// The library's own file constructor would read the pixels of a null image
// when the file is missing; the image is therefore loaded and checked here.
std::unique_ptr<gcn::ImageFont> LoadImageFont(const std::string& file, const std::string& glyphs) {
  std::unique_ptr<gcn::Image> image(gcn::Image::load(file, false));
  if (!image) throw gcn::Exception("Cannot load font: " + file);
  try {
    auto font = std::make_unique<gcn::ImageFont>(image.get(), glyphs);
    image.release();  // the font owns its image
    return font;
  } catch (const gcn::Exception& e) {
    throw gcn::Exception(file + ": " + e.getMessage());
  }
}

}  // namespace Kest
