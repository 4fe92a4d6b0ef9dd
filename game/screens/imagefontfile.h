// Image fonts read from a glyph strip through the GUI's image loader.
#pragma once

#include <guichan/imagefont.hpp>

#include <memory>
#include <string>

namespace Kest {

// The glyphs are Latin-1 bytes in the order the strip holds them. Throws a
// gcn::Exception naming the file when it cannot be loaded or is no strip of
// those glyphs.
std::unique_ptr<gcn::ImageFont> LoadImageFont(const std::string& file, const std::string& glyphs);

}  // namespace Kest
