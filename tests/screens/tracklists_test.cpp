// The track lists: the dialog's rows, and the score viewer's drop-down.
#include <gtest/gtest.h>

#include <guichan/actionevent.hpp>
#include <guichan/key.hpp>
#include <guichan/keyevent.hpp>
#include <guichan/listmodel.hpp>
#include <guichan/widgets/dropdown.hpp>

#include <string>
#include <vector>

#include "game/screens/dropdownaction.h"
#include "game/screens/trackselectlistmodel.h"
#include "tests/data/datafiles.h"

namespace {

class Names : public gcn::ListModel {
 public:
  explicit Names(std::vector<std::string> names) : names_(std::move(names)) {}
  int getNumberOfElements() override { return int(names_.size()); }
  std::string getElementAt(int i) override { return names_.at(std::size_t(i)); }

 private:
  std::vector<std::string> names_;
};

// The first look tells the first row; each pick of another row, by mouse or key, is told once.
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

class TrackRows : public DataTest::DataFiles {
 protected:
  static std::vector<std::string> Rows() {
    Kest::TrackSelectListModel model;
    std::vector<std::string> rows;
    for (int i = 0; i < model.getNumberOfElements(); ++i) rows.push_back(model.getElementAt(i));
    return rows;
  }

  const DataTest::UtcZone utc;
};

// The best is found however the file orders the scores: higher first, and of
// equal scores the later one. The list's order is by index, not the file's.
TEST_F(TrackRows, EachTrackShowsItsBestScoreOrNone) {
  LoadTracks(
      "<track index='2' name='Hills' filename='hills.lua'/>"
      "<track index='1' name='Quarry' filename='quarry.lua'/>"
      "<track index='3' filename='beach.lua'/>");
  folder.Write("highscores.xml",
               "<?xml version='1.0' encoding='UTF-8'?>\n<highscores>"
               "<track name='HILLS'>"
               "<score date='100' name='Bo' score='700'/>"
               "<score date='0' name='Al' score='900'/>"
               "<score date='86400' name='Cy' score='900'/>"
               "</track>"
               "<track name='Quarry'/>"
               "</highscores>\n");
  EXPECT_EQ(Rows(), (std::vector<std::string>{
                        "Quarry (No high score)",
                        "Hills (High score: 900, Cy, Fri Jan  2 00:00:00 1970)",
                        "beach.lua (No high score)",
                    }));
}

TEST_F(TrackRows, NoTrackListNoRowsAndNoRowBeyondTheEnd) {
  EXPECT_TRUE(Rows().empty());
  LoadTracks("<track name='Hills' filename='hills.lua'/>");
  Kest::TrackSelectListModel model;
  EXPECT_EQ(model.getNumberOfElements(), 1);
  EXPECT_EQ(model.getElementAt(1), "");
  EXPECT_EQ(model.getElementAt(-1), "");
}

}  // namespace
