// The characters of the game's two image fonts, in the order of their glyph
// strips (Latin-1 bytes). A font draws nothing sensible for any other
// character, so texts meant for a font keep to its glyphs.
#pragma once

#include <string>

namespace Kest {

// "res\fixedfont.png", the widgets' global font: letters of both cases, the
// Latin-1 letters A with ring, A and O with diaeresis, digits and a few signs.
extern const char kFixedFontGlyphs[];
// "res\menufont.png": small letters only, a with diaeresis, digits and a few
// signs.
extern const char kMenuFontGlyphs[];

// Whether the character (a key's value: Latin-1 below 256) is a glyph.
bool IsGlyph(const char* glyphs, int character);
// Whether every character of the text is a glyph.
bool CanDraw(const char* glyphs, const std::string& text);

}  // namespace Kest
