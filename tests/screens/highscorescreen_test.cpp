// The result screen on a real screen, left at once with Esc held: what it writes, and what a screen that cannot be
// built does. What it shows is looked at by the end-to-end test.
#include "game/screens/highscorescreen.h"

#include <gtest/gtest.h>

#include <allegro.h>
#include <guichan/image.hpp>

#include <regex>
#include <string>
#include <vector>

#include "game/screens/guifont.h"
#include "tests/data/datafiles.h"
#include "tests/support/glscreen/screen.h"
#include "tests/screens/guifiles.h"
#include "tests/screens/escapekey.h"
#include "tests/screens/scriptedkeys.h"
#include "tests/support/tracecapture.h"

namespace {

class ResultScreen : public DataTest::DataFiles {
 protected:
  ResultScreen() {
    ScreenTests::WriteImageFile("res/dlgseparator.png", 680, 4);
    LoadTracks("<track name='Hills' filename='hills.lua' max_high_scores='3'/>");
  }

  // A table of Hills, best first: 900 by Al, 700 by Bo, 500 by Cy.
  std::string StoreTable() const {
    return folder.Write("highscores.xml",
                        "<?xml version='1.0' encoding='UTF-8'?>\n<highscores><track name='Hills'>"
                        "<score date='10' name='Al' score='900'/>"
                        "<score date='20' name='Bo' score='700'/>"
                        "<score date='30' name='Cy' score='500'/>"
                        "</track></highscores>\n");
  }

  void Finish(unsigned time, unsigned flips, unsigned wheelies) {
    Kest::HighScoreScreen screen("");
    screen.ShowHighScores(time, flips, wheelies, "Hills");
  }

  // The names and scores of the table in the file, in file order.
  std::vector<std::string> StoredTable() const {
    static const std::regex kScore("<score[^>]* name=.([^'\"]*).[^>]* score=.([0-9]+)");
    const std::string text = folder.Read("highscores.xml");
    std::vector<std::string> entries;
    for (std::sregex_iterator it(text.begin(), text.end(), kScore), end; it != end; ++it) {
      entries.push_back((*it)[1].str() + " " + (*it)[2].str());
    }
    return entries;
  }

  Kest::GuiFont guiFont;  // the image loader
};

// Esc leaves the naming, and the table is written all the same: the new score in its place with the name as far as it
// was typed (here none). A score that misses the table leaves the file as it was.
TEST_F(ResultScreen, EscWritesTheTableWhenTheScoreMadeItAndNothingWhenNot) {
  struct Case {
    unsigned time, flips, wheelies;
    bool written;
    std::vector<std::string> table;
  };
  const Case cases[] = {
      {400, 200, 0, true, {"Al 900", "Bo 700", " 600"}},
      {1000, 0, 0, true, {" 1000", "Al 900", "Bo 700"}},
      {300, 0, 100, false, {"Al 900", "Bo 700", "Cy 500"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    const ScreenTests::EscapeKey escape;
    StoreTable();
    const std::string before = folder.Read("highscores.xml");
    Finish(c.time, c.flips, c.wheelies);
    EXPECT_EQ(StoredTable(), c.table);
    EXPECT_EQ(folder.Read("highscores.xml") != before, c.written);
  }
  // A run worth nothing is a score all the same, in a table with room for it.
  folder.Write("highscores.xml", "<?xml version='1.0' encoding='UTF-8'?>\n<highscores/>\n");
  const ScreenTests::EscapeKey escape;
  Finish(0, 0, 0);
  EXPECT_EQ(StoredTable(), std::vector<std::string>{" 0"});
}

// A track may keep any number of scores: the screen shows the best hundred and says so once an opening, and a new
// score below them still gets its name field and its place in the file.
TEST_F(ResultScreen, ALongTableShowsItsBestRowsAndStillStoresANewScoreBelowThem) {
  LoadTracks("<track name='Hills' filename='hills.lua' max_high_scores='2147483647'/>"
             "<track name='Dunes' filename='dunes.lua' max_high_scores='2147483647'/>");
  std::string scores;
  for (int i = 0; i < 150; ++i) scores += "<score date='1' name='P' score='" + std::to_string(1000 - i) + "'/>";
  folder.Write("highscores.xml", "<?xml version='1.0' encoding='UTF-8'?>\n<highscores><track name='Hills'>" + scores +
                                     "</track><track name='Dunes'>" + scores + "</track></highscores>\n");
  TestSupport::TraceCapture trace;
  {
    const ScreenTests::EscapeKey escape;
    Finish(0, 0, 0);
  }
  const std::vector<std::string> table = StoredTable();
  ASSERT_EQ(table.size(), 301u);
  EXPECT_EQ(table[150], " 0");
  const ScreenTests::ScriptedKeys picks({KEY_DOWN << 8, KEY_UP << 8});  // Dunes, then Hills again
  Kest::HighScoreScreen("").ViewHighScores("");
  EXPECT_TRUE(picks.AllTaken());
  EXPECT_EQ(trace.Lines(), (std::vector<std::string>{"High scores: showing the best 100 of 151 entries",
                                                      "High scores: showing the best 100 of 150 entries"}));
}

// Without an image loader the separator cannot be made: the screen logs
// why, runs no loop (the key stays waiting) and writes no score.
TEST_F(ResultScreen, AScreenThatCannotBeBuiltEndsAtOnceAndWritesNothing) {
  StoreTable();
  const std::string before = folder.Read("highscores.xml");
  gcn::Image::setImageLoader(nullptr);
  TestSupport::TraceCapture trace;
  const ScreenTests::EscapeKey escape;  // a loop that ran anyway would take it
  Finish(5000, 0, 0);
  EXPECT_FALSE(escape.Taken()) << "the loop ran on half-built widgets";
  EXPECT_EQ(folder.Read("highscores.xml"), before);
  EXPECT_EQ(trace.Lines(), std::vector<std::string>{"Trying to load an image but no image loader is set."});
}

}  // namespace
