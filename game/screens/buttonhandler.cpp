#include "game/screens/buttonhandler.h"

#include <guichan/actionevent.hpp>

#include "game/utility/utility.h"

namespace Kest {

void ButtonHandler::action(const gcn::ActionEvent& event) { chosen_ = StringToInt(event.getId()); }

int ButtonHandler::TakeChosen() {
  const int chosen = chosen_;
  chosen_ = 0;
  return chosen;
}

}  // namespace Kest
