#include "game/screens/guifont.h"

#include <guichan/exception.hpp>
#include <guichan/image.hpp>
#include <guichan/widget.hpp>

#include "game/screens/fontglyphs.h"
#include "game/screens/imagefontfile.h"
#include "game/utility/utility.h"
#include "render/allegrogl/olimageloader.h"

namespace Kest {

GuiFont::GuiFont() : loader_(std::make_unique<gcn::OlImageLoader>()) {
  gcn::Image::setImageLoader(loader_.get());
  try {
    font_ = LoadImageFont("res\\fixedfont.png", kFixedFontGlyphs);
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
