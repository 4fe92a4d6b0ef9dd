#include "game/data/highscores.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "game/data/xmlpathdocument.h"
#include "tests/data/datafiles.h"
#include "tests/support/tracecapture.h"

namespace DataTest {
namespace {

struct Stored { std::string name; int score; long date; };

class HighScores : public DataFiles {
 protected:
  HighScores() {
    LoadTracks("<track name='Hills' filename='hills.lua' max_high_scores='3'/><track name='Long' filename='l.lua'/>"
               "<track name='None' filename='n.lua' max_high_scores='0'/>"
               "<track name='Negative' filename='neg.lua' max_high_scores='-2'/>");
  }
  void Store(const std::string& track, const std::vector<Stored>& scores) {
    std::string text = "<?xml version='1.0' encoding='UTF-8'?>\n<highscores><track name='" + track + "'>";
    for (const Stored& s : scores)
      text += "<score date='" + std::to_string(s.date) + "' name='" + s.name + "' score='" + std::to_string(s.score) + "'/>";
    folder.Write("highscores.xml", text + "</track></highscores>\n");
  }
  int Add(const std::string& track, int score) {
    finder = Kest::scoreFinder();
    return Kest::AddHighScore(document, finder, track, score);
  }
  std::vector<int> Scores() const {
    std::vector<int> scores;
    for (const Kest::HighScoreRecord& r : finder.scores) scores.push_back(r.score);
    return scores;
  }

  Kest::XmlPathDocument document;
  Kest::scoreFinder finder;
};

TEST_F(HighScores, ANewScoreTakesItsRankInAFullTable) {
  const struct {
    int score, rank;
    std::vector<int> table;
  } cases[] = {{600, 2, {900, 700, 600}}, {400, -1, {900, 700, 500}},
               {500, 2, {900, 700, 500}},  // ahead of the old 500, which drops out
               {1000, 0, {1000, 900, 700}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    Store("Hills", {{"Bo", 500, 30}, {"Al", 900, 10}, {"Cy", 700, 20}});
    const std::time_t before = std::time(nullptr);
    EXPECT_EQ(Add("Hills", c.score), c.rank);
    EXPECT_EQ(Scores(), c.table);
    if (c.rank < 0) continue;
    EXPECT_EQ(finder.scores[c.rank].name, "");
    EXPECT_GE(finder.scores[c.rank].date, before);
  }
}

// Of equal scores the later comes first, a new one before both; viewing reads
// and trims without adding, and names match in any case.
TEST_F(HighScores, EqualScoresAndViewing) {
  Store("Long", {{"older", 700, 100}, {"newer", 700, 200}, {"low", 50, 300}});
  EXPECT_EQ(Add("Long", -1), -1);
  EXPECT_EQ(finder.scores.at(0).name, "newer");
  EXPECT_EQ(Add("Long", 700), 0);
  EXPECT_EQ(Scores(), (std::vector<int>{700, 700, 700, 50}));
  folder.Write("highscores.xml", "<highscores><TRACK name='hILLS'><score score='1'/><score score='4'/>"
                                 "<score score='3'/><SCORE score='2'/></TRACK></highscores>");
  EXPECT_EQ(Add("Hills", -1), -1);
  EXPECT_EQ(Scores(), (std::vector<int>{4, 3, 2}));
}

// No table for a track that keeps no scores or is not in the track list.
TEST_F(HighScores, TracksWithoutATableLeaveTheFileAlone) {
  for (const char* track : {"None", "Negative", "Mountains"}) {
    SCOPED_TRACE(track);
    Store(track, {{"a", 10, 1}});
    const std::string before = folder.Read("highscores.xml");
    EXPECT_EQ(Add(track, 50), -1);
    EXPECT_TRUE(finder.scores.empty());
    EXPECT_EQ(folder.Read("highscores.xml"), before);
  }
}

TEST_F(HighScores, AFirstScoreGivesTheTrackItsElementInANewFile) {
  EXPECT_EQ(Add("Long", 120), 0);
  EXPECT_NE(folder.Read("highscores.xml").find("<track name=\"Long\" />"), std::string::npos);
  EXPECT_EQ(Add("Long", 130), 0) << "nothing was stored yet";
  EXPECT_EQ(Scores(), std::vector<int>{130});
}

// That saved tables read back, strange files too, the fuzz target's corpus checks.
TEST_F(HighScores, OnlyATrackWithATableIsSaved) {
  Store("Hills", {{"Al", 900, 10}});
  ASSERT_EQ(Add("Hills", 600), 1);
  const std::string before = folder.Read("highscores.xml");
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::SaveHighScores(document, "Mountains", finder.scores));
  EXPECT_EQ(trace.Lines().size(), 1u);
  EXPECT_EQ(folder.Read("highscores.xml"), before);
}

TEST_F(HighScores, ABrokenFileIsKeptAsBadAndTheScoreStillCounts) {
  const std::string broken = "<highscores><track name='Hills'><score score='9'></highscores>";
  folder.Write("highscores.xml", broken);
  TestSupport::TraceCapture trace;
  EXPECT_EQ(Add("Hills", 300), 0);
  EXPECT_EQ(folder.Read("highscores.xml.bad"), broken);
  EXPECT_EQ(trace.Lines().size(), 1u);
}

TEST(ScoreDate, DatesReadAsTheCalendarShowsThem) {
  const UtcZone utc;
  std::tm year999{};
  year999.tm_year = 999 - 1900;
  year999.tm_mday = 1;
  const std::pair<std::time_t, const char*> cases[] = {
      {0, "Thu Jan  1 00:00:00 1970"}, {1700000000, "Tue Nov 14 22:13:20 2023"},
      {timegm(&year999), "Tue Jan  1 00:00:00 999"},  // shorter: no line feed left over
      {std::time_t(1) << 60, "unknown date"}};
  for (const auto& c : cases) EXPECT_EQ(Kest::FormatScoreDate(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace DataTest
