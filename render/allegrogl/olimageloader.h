// The GUI's image loader: every image the widgets load (image fonts, icons)
// becomes an OlImage, so that OlGraphics can draw it.
#pragma once

#include <guichan/imageloader.hpp>

#include <string>

namespace gcn {

class OlImageLoader : public ImageLoader {
 public:
  // File names as the game writes them ("res\menufont.png"), found beside
  // the executable as the drawing layer finds its bitmaps. Null when the
  // file cannot be loaded: callers decide what a missing image means.
  Image* load(const std::string& filename, bool convertToDisplayFormat = true) override;
};

}  // namespace gcn
