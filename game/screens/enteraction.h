// Remembers that a widget fired its action: Enter in the result screen's
// name field, or the track dialog's "start" button. The screen's loop ends
// once it is pressed.
#pragma once

#include <guichan/actionlistener.hpp>

namespace Kest {

class EnterAction : public gcn::ActionListener {
 public:
  void action(const gcn::ActionEvent&) override { pressed_ = true; }
  bool IsPressed() const { return pressed_; }

 private:
  bool pressed_ = false;
};

// The track dialog's "start" button asks no more of its listener.
using TrackDlgButtonHandler = EnterAction;

}  // namespace Kest
