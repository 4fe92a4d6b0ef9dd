#include "game/screens/dropdownaction.h"

#include <guichan/listmodel.hpp>
#include <guichan/widgets/dropdown.hpp>

namespace Kest {

void dropdownAction::Watch(gcn::DropDown* dropDown) {
  dropDown_ = dropDown;
  changed_ = false;
  selected_.clear();
  lastIndex_ = -1;
}

void dropdownAction::action(const gcn::ActionEvent&) { Notice(); }

void dropdownAction::keyPressed(gcn::KeyEvent&) { Notice(); }

bool dropdownAction::TakeChange() {
  const bool changed = changed_;
  changed_ = false;
  return changed;
}

// Picking the row that is shown already changes nothing.
void dropdownAction::Notice() {
  if (!dropDown_ || !dropDown_->getListModel()) return;
  const int index = dropDown_->getSelected();
  if (index == lastIndex_) return;
  selected_ = dropDown_->getListModel()->getElementAt(index);
  changed_ = true;
  lastIndex_ = index;
}

}  // namespace Kest
