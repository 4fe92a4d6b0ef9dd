#include "game/screens/namefield.h"

#include <guichan/key.hpp>
#include <guichan/keyevent.hpp>

#include "game/screens/fontglyphs.h"

namespace Kest {

NameField::NameField() { adjustHeight(); }

void NameField::keyPressed(gcn::KeyEvent& event) {
  const gcn::Key& key = event.getKey();
  const bool types = key.isCharacter() && key.getValue() != gcn::Key::TAB;
  if (types && (!IsGlyph(kFixedFontGlyphs, key.getValue()) || getText().size() >= kMaxLength)) {
    event.consume();
    return;
  }
  gcn::TextField::keyPressed(event);
}

}  // namespace Kest
