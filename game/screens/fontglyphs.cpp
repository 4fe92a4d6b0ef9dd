#include "game/screens/fontglyphs.h"

#include <algorithm>
#include <cstring>

namespace Kest {

// The literals are split so that a hex escape does not swallow what follows.
const char kFixedFontGlyphs[] =
    " abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\xC5\xC4\xD6"
    "0123456789.-:,\\=_/()+";

const char kMenuFontGlyphs[] =
    "abcdefghijklmnopqrstuvwxyz, "
    "\xE4"
    ":()0123456789";

bool IsGlyph(const char* glyphs, int character) {
  return character > 0 && character < 256 && std::strchr(glyphs, character) != nullptr;
}

bool CanDraw(const char* glyphs, const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [glyphs](char c) { return IsGlyph(glyphs, static_cast<unsigned char>(c)); });
}

}  // namespace Kest
