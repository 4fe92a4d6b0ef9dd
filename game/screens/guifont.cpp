#include "game/screens/guifont.h"

#include <guichan/exception.hpp>
#include <guichan/image.hpp>
#include <guichan/widget.hpp>

#include "game/screens/imagefontfile.h"
#include "game/utility/utility.h"
#include "render/allegrogl/olimageloader.h"

namespace Kest {

namespace {

// The strip's glyphs in order; the literal is split so that a hex escape
// does not swallow the digits after it.
const char kGlyphs[] =
    " abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\xC5\xC4\xD6"
    "0123456789.-:,\\=_/()+";

}  // namespace

GuiFont::GuiFont() : loader_(std::make_unique<gcn::OlImageLoader>()) {
  gcn::Image::setImageLoader(loader_.get());
  try {
    font_ = LoadImageFont("res\\fixedfont.png", kGlyphs);
    gcn::Widget::setGlobalFont(font_.get());
  } catch (const gcn::Exception& e) {
    Log(e.getMessage());
  }
}

GuiFont::~GuiFont() {
  if (font_) gcn::Widget::setGlobalFont(nullptr);
  gcn::Image::setImageLoader(nullptr);
}

}  // namespace Kest
