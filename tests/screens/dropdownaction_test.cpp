// The viewer's track drop-down tells its screen of each new pick once.
#include "game/screens/dropdownaction.h"

#include <gtest/gtest.h>

#include <guichan/actionevent.hpp>
#include <guichan/key.hpp>
#include <guichan/keyevent.hpp>
#include <guichan/listmodel.hpp>
#include <guichan/widgets/dropdown.hpp>

#include <string>
#include <vector>

namespace {

class Names : public gcn::ListModel {
 public:
  explicit Names(std::vector<std::string> names) : names_(std::move(names)) {}
  int getNumberOfElements() override { return int(names_.size()); }
  std::string getElementAt(int i) override { return names_.at(std::size_t(i)); }

 private:
  std::vector<std::string> names_;
};

class DropDownAction : public ::testing::Test {
 protected:
  DropDownAction() { picked.Watch(&dropDown); }

  // The pick as the drop-down's action reports it, or a key's report.
  void Pick(int row) {
    dropDown.setSelected(row);
    picked.action(gcn::ActionEvent(&dropDown, ""));
  }
  void PickByKey(int row) {
    dropDown.setSelected(row);
    gcn::KeyEvent event(&dropDown, false, false, false, false, gcn::KeyEvent::PRESSED, false,
                        gcn::Key(gcn::Key::DOWN));
    picked.keyPressed(event);
  }

  Names names{{"Hills", "Quarry", "Beach"}};
  gcn::DropDown dropDown{&names};
  Kest::dropdownAction picked;
};

TEST_F(DropDownAction, EachNewRowIsToldOnceByMouseOrKey) {
  EXPECT_FALSE(picked.TakeChange()) << "nothing picked yet";
  Pick(2);
  EXPECT_TRUE(picked.TakeChange());
  EXPECT_EQ(picked.Selected(), "Beach");
  EXPECT_FALSE(picked.TakeChange()) << "told once";

  Pick(2);
  EXPECT_FALSE(picked.TakeChange()) << "the same row again";
  PickByKey(1);
  EXPECT_TRUE(picked.TakeChange());
  EXPECT_EQ(picked.Selected(), "Quarry");
}

// The drop-down opens on its first row: looking at it tells that row, so the
// screen can show its table from the start.
TEST_F(DropDownAction, TheFirstLookTellsTheRowShownFromTheStart) {
  picked.Notice();
  EXPECT_TRUE(picked.TakeChange());
  EXPECT_EQ(picked.Selected(), "Hills");
  Pick(0);
  EXPECT_FALSE(picked.TakeChange());
}

}  // namespace
