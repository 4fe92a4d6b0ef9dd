// Remembers which menu button was pressed: each button's action event id is
// the decimal text of its entry number.
#pragma once

#include <guichan/actionlistener.hpp>

namespace Kest {

class ButtonHandler : public gcn::ActionListener {
 public:
  void action(const gcn::ActionEvent& event) override;

  // The chosen entry, 0 when none was; choosing starts afresh.
  int TakeChosen();

 private:
  int chosen_ = 0;
};

}  // namespace Kest
