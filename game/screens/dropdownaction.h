// Watches a drop-down of track names (or any texts): when the player picks
// another row than last time, by mouse or by key, the screen is told the
// row's text once.
#pragma once

#include <string>

#include <guichan/actionlistener.hpp>
#include <guichan/keylistener.hpp>

namespace gcn {
class DropDown;
}  // namespace gcn

namespace Kest {

class dropdownAction : public gcn::ActionListener, public gcn::KeyListener {
 public:
  // The drop-down to watch; nothing is seen as picked yet.
  void Watch(gcn::DropDown* dropDown);

  void action(const gcn::ActionEvent& event) override;
  void keyPressed(gcn::KeyEvent& event) override;

  // Looks at the drop-down's row as the listener calls do.
  void Notice();
  // True once after another row was picked; the row's text is then Selected.
  bool TakeChange();
  const std::string& Selected() const { return selected_; }

 private:
  bool changed_ = false;
  std::string selected_;
  int lastIndex_ = -1;
  gcn::DropDown* dropDown_ = nullptr;
};

}  // namespace Kest
