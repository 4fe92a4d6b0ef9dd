// The GUI's image loader and the global widget font "res\fixedfont.png",
// installed for every screen and window of the game while this object lives.
#pragma once

#include <memory>

namespace gcn {
class ImageFont;
class OlImageLoader;
}  // namespace gcn

namespace Kest {

class GuiFont {
 public:
  // A font file that does not load leaves a log line, and the widgets keep
  // the library's own font.
  GuiFont();
  ~GuiFont();
  GuiFont(const GuiFont&) = delete;
  GuiFont& operator=(const GuiFont&) = delete;

 private:
  std::unique_ptr<gcn::OlImageLoader> loader_;
  std::unique_ptr<gcn::ImageFont> font_;
};

}  // namespace Kest
