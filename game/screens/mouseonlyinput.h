// Input for the windows drawn during play (the objectives, the console),
// which must leave the keyboard alone: the library's Allegro input empties
// Allegro's key buffer inside Gui::logic, which would eat the keys of the
// rider and of the waiting level. This one reads the mouse only.
#pragma once

#include <guichan/allegro/allegroinput.hpp>

namespace Kest {

class MouseOnlyInput : public gcn::AllegroInput {
 protected:
  void pollKeyInput() override {}
};

}  // namespace Kest
