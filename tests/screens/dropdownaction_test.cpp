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

// The drop-down opens on its first row: the first look tells that row, so
// the screen can show its table from the start. Then each pick of another
// row, by mouse or by key, is told once; the same row again is not.
TEST(DropDownAction, EachNewRowIsToldOnce) {
  Names names({"Hills", "Quarry", "Beach"});
  gcn::DropDown dropDown(&names);
  Kest::dropdownAction picked;
  picked.Watch(&dropDown);
  picked.Notice();
  EXPECT_TRUE(picked.TakeChange());
  EXPECT_EQ(picked.Selected(), "Hills");
  EXPECT_FALSE(picked.TakeChange()) << "told once";

  const gcn::ActionEvent mouse(&dropDown, "");
  gcn::KeyEvent key(&dropDown, false, false, false, false, gcn::KeyEvent::PRESSED, false,
                    gcn::Key(gcn::Key::DOWN));
  dropDown.setSelected(2);
  picked.action(mouse);
  EXPECT_TRUE(picked.TakeChange());
  EXPECT_EQ(picked.Selected(), "Beach");
  picked.action(mouse);
  EXPECT_FALSE(picked.TakeChange()) << "the same row again";
  dropDown.setSelected(1);
  picked.keyPressed(key);
  EXPECT_TRUE(picked.TakeChange());
  EXPECT_EQ(picked.Selected(), "Quarry");
}

}  // namespace
