// The GUI's image loader and the global widget font "res\fixedfont.png",
// installed for every screen and window of the game while this object lives.
#pragma once

namespace Kest {

class GuiFont {
 public:
  // The font's glyph strip can only be loaded through the drawing layer's
  // GUI image loader, which the game does not have yet: until it does,
  // widgets keep the library's own font and nothing is installed.
  GuiFont() = default;
  GuiFont(const GuiFont&) = delete;
  GuiFont& operator=(const GuiFont&) = delete;
};

}  // namespace Kest
