// The track dialog's rows.
#include "game/screens/trackselectlistmodel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/data/datafiles.h"

namespace {

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
