#include "game/data/highscores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "game/data/xmlpathdocument.h"
#include "tests/data/datafiles.h"
#include "tests/support/tracecapture.h"

namespace DataTest {
namespace {

using Kest::HighScoreRecord;

struct Stored {
  std::string name;
  int score;
  long date;
};

std::string ScoreElements(const std::vector<Stored>& scores) {
  std::string text;
  for (const Stored& s : scores) {
    text += "<score date='" + std::to_string(s.date) + "' name='" + s.name + "' score='" +
            std::to_string(s.score) + "'/>";
  }
  return text;
}

class HighScores : public DataFiles {
 protected:
  HighScores() {
    LoadTracks(
        "<track name='Hills' filename='hills.lua' max_high_scores='3'/>"
        "<track name='Long' filename='long.lua'/>"
        "<track name='None' filename='none.lua' max_high_scores='0'/>"
        "<track name='Negative' filename='neg.lua' max_high_scores='-2'/>");
  }

  void Store(const std::string& track, const std::vector<Stored>& scores) {
    folder.Write("highscores.xml", "<?xml version='1.0' encoding='UTF-8'?>\n<highscores><track name='" +
                                       track + "'>" + ScoreElements(scores) + "</track></highscores>\n");
  }

  int Add(const std::string& track, int score) {
    finder = Kest::scoreFinder();
    return Kest::AddHighScore(document, finder, track, score);
  }

  std::vector<int> Scores() const {
    std::vector<int> scores;
    for (const HighScoreRecord& r : finder.scores) scores.push_back(r.score);
    return scores;
  }

  Kest::XmlPathDocument document;
  Kest::scoreFinder finder;
};

TEST_F(HighScores, ANewScoreTakesItsRankInAFullTable) {
  const std::vector<Stored> stored = {{"Bo", 500, 30}, {"Al", 900, 10}, {"Cy", 700, 20}};
  struct Case {
    int score;
    int rank;
    std::vector<int> table;
  };
  const Case cases[] = {
      {600, 2, {900, 700, 600}},
      {400, -1, {900, 700, 500}},
      {500, 2, {900, 700, 500}},  // the new 500 goes ahead of the old one, which drops out
      {1000, 0, {1000, 900, 700}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.score);
    Store("Hills", stored);
    const std::time_t before = std::time(nullptr);
    EXPECT_EQ(Add("Hills", c.score), c.rank);
    EXPECT_EQ(Scores(), c.table);
    if (c.rank < 0) continue;
    const HighScoreRecord& added = finder.scores[c.rank];
    EXPECT_EQ(added.name, "");
    EXPECT_GE(added.date, before);
  }
}

TEST_F(HighScores, OfEqualScoresTheLaterComesFirstAndANewOneBeforeBoth) {
  Store("Long", {{"older", 700, 100}, {"newer", 700, 200}, {"low", 50, 300}});
  EXPECT_EQ(Add("Long", -1), -1);
  ASSERT_EQ(finder.scores.size(), 3u);
  EXPECT_EQ(finder.scores[0].name, "newer");
  EXPECT_EQ(finder.scores[1].name, "older");
  EXPECT_EQ(Add("Long", 700), 0);
  EXPECT_EQ(Scores(), (std::vector<int>{700, 700, 700, 50}));
}

TEST_F(HighScores, ViewingReadsAndTrimsWithoutAddingAndNamesMatchInAnyCase) {
  folder.Write("highscores.xml",
               "<highscores><TRACK name='hILLS'>" +
                   ScoreElements({{"a", 1, 1}, {"b", 4, 1}, {"c", 3, 1}}) +
                   "<SCORE name='d' score='2' date='1'/></TRACK></highscores>");
  EXPECT_EQ(Add("Hills", -1), -1);
  EXPECT_EQ(Scores(), (std::vector<int>{4, 3, 2}));
}

TEST_F(HighScores, TracksThatKeepNoScoresHaveNoTable) {
  for (const char* track : {"None", "Negative"}) {
    SCOPED_TRACE(track);
    Store(track, {{"a", 10, 1}});
    EXPECT_EQ(Add(track, 50), -1);
    EXPECT_TRUE(finder.scores.empty());
  }
}

TEST_F(HighScores, AFirstScoreGivesTheTrackItsElement) {
  EXPECT_EQ(Add("Long", 120), 0);
  EXPECT_EQ(Scores(), std::vector<int>{120});
  EXPECT_NE(folder.Read("highscores.xml").find("<track name=\"Long\" />"), std::string::npos);
  EXPECT_EQ(Add("Long", 130), 0) << "nothing was stored yet";
  EXPECT_EQ(Scores(), std::vector<int>{130});
}

TEST_F(HighScores, ATrackOutsideTheListLeavesTheFileAlone) {
  Store("Hills", {{"a", 10, 1}});
  const std::string before = folder.Read("highscores.xml");
  for (int call = 0; call < 3; ++call) EXPECT_EQ(Add("Mountains", 50), -1);
  EXPECT_EQ(folder.Read("highscores.xml"), before);
}

TEST_F(HighScores, TheTableIsSavedWholeAndReadBack) {
  Store("Hills", {{"Al", 900, 10}, {"Bo", 500, 30}});
  ASSERT_EQ(Add("Hills", 600), 1);
  finder.scores[1].name = "Ann";
  const std::vector<HighScoreRecord> table = finder.scores;
  ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", table));
  EXPECT_NE(folder.Read("highscores.xml").find("<score date=\"30\" name=\"Bo\" score=\"500\" />"),
            std::string::npos);

  Kest::XmlPathDocument reread;
  finder = Kest::scoreFinder();
  EXPECT_EQ(Kest::AddHighScore(reread, finder, "Hills", -1), -1);
  ASSERT_EQ(finder.scores.size(), 3u);
  EXPECT_EQ(finder.scores[1].name, "Ann");
  EXPECT_EQ(finder.scores[1].date, table[1].date);
  EXPECT_EQ(Scores(), (std::vector<int>{900, 600, 500}));
}

// The score file is UTF-8: a name typed in the letters of the game's fonts
// (Latin-1) is saved in UTF-8, and one in UTF-8 as it is. Written as they
// were typed, the first and last would swallow the closing quote and lose
// the whole table.
TEST_F(HighScores, NamesAreSavedInUtf8AndTheFileStillReads) {
  const struct {
    const char* typed;
    const char* readBack;
  } kNames[] = {{"Andr\xE9", "Andr\xC3\xA9"},
                {"\xC5sa & \xD6", "\xC3\x85sa & \xC3\x96"},
                {"\xC3\x85sa", "\xC3\x85sa"},
                {"5 \xE2\x82\xAC", "5 \xE2\x82\xAC"}};
  for (const auto& name : kNames) {
    Store("Hills", {{"Al", 900, 10}});
    ASSERT_EQ(Add("Hills", 600), 1);
    finder.scores[1].name = name.typed;
    ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", finder.scores));
    EXPECT_EQ(Add("Hills", -1), -1);
    ASSERT_EQ(finder.scores.size(), 2u) << name.readBack;
    EXPECT_EQ(finder.scores[1].name, name.readBack);
  }
}

// A name the file held in another encoding is saved in UTF-8 as well:
// written back as it was read, it would swallow its quote.
TEST_F(HighScores, NamesReadInAnotherEncodingAreSavedInUtf8) {
  folder.Write("highscores.xml",
               "<?xml version='1.0'?>\n<highscores><track name='Hills'>"
               "<score date='1' name=Ren\xE9 score='700'/></track></highscores>\n");
  ASSERT_EQ(Add("Hills", 600), 1);
  ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", finder.scores));
  EXPECT_EQ(Add("Hills", -1), -1);
  ASSERT_EQ(finder.scores.size(), 2u) << "the file still reads";
  EXPECT_EQ(finder.scores[0].name, "Ren\xC3\xA9");
}

// The file's declaration is written anew: as it was read, with markup in a
// value, it would end early and the next read would find the file broken.
TEST_F(HighScores, AFileWithAStrangeDeclarationIsSavedReadable) {
  folder.Write("highscores.xml",
               "<?xml version='1.0' encoding='x\"?>UTF-8'?>\n<highscores><track name='Hills'>"
               "<score date='1' name='Al' score='700'/></track></highscores>\n");
  ASSERT_EQ(Add("Hills", 600), 1);
  ASSERT_TRUE(Kest::SaveHighScores(document, "Hills", finder.scores));
  EXPECT_EQ(Add("Hills", -1), -1);
  EXPECT_EQ(Scores(), (std::vector<int>{700, 600})) << "the file still reads";
  EXPECT_EQ(folder.Read("highscores.xml").rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>", 0), 0u);
}

// A track list in Latin-1 names its tracks in Latin-1: the track's table,
// written in UTF-8, is found again by that name.
TEST_F(HighScores, ATrackNamedInLatin1FindsItsTableAgain) {
  folder.Write("tracklist.xml",
               "<?xml version='1.0' encoding='ISO-8859-1'?>\n"
               "<tracklist><track name='\xC5ker' filename='a.lua'/></tracklist>\n");
  Kest::TrackList::Create();
  Kest::TrackList::GetInstance()->Load();
  ASSERT_EQ(Add("\xC5ker", 10), 0);
  ASSERT_TRUE(Kest::SaveHighScores(document, "\xC5ker", finder.scores));
  EXPECT_EQ(Add("\xC5ker", 5), 1);
  EXPECT_EQ(Scores(), (std::vector<int>{10, 5}));
}

TEST_F(HighScores, ATableOfATrackWithoutOneIsNotSaved) {
  Store("Hills", {{"Al", 900, 10}});
  ASSERT_EQ(Add("Hills", -1), -1);
  const std::string before = folder.Read("highscores.xml");
  TestSupport::TraceCapture trace;
  EXPECT_FALSE(Kest::SaveHighScores(document, "Mountains", {{"x", 1, 5}}));
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
  EXPECT_NE(folder.Read("highscores.xml").find("<track name=\"Hills\" />"), std::string::npos);
}

TEST_F(HighScores, AMissingFileStartsWithTheDefaultText) {
  EXPECT_EQ(Add("Mountains", 10), -1);
  EXPECT_EQ(folder.Read("highscores.xml"),
            "<?xml version='1.0' encoding='UTF-8'?>\n<highscores>\n</highscores>\n");
}

class ScoreDate : public ::testing::Test {
 protected:
  ScoreDate() : zone_(std::getenv("TZ") ? std::getenv("TZ") : "") {
    setenv("TZ", "UTC", 1);
    tzset();
  }
  ~ScoreDate() override {
    setenv("TZ", zone_.c_str(), 1);
    tzset();
  }

 private:
  std::string zone_;
};

TEST_F(ScoreDate, DatesReadAsTheCalendarShowsThem) {
  std::tm year999{};
  year999.tm_year = 999 - 1900;
  year999.tm_mday = 1;
  const struct {
    std::time_t date;
    const char* text;
  } cases[] = {
      {0, "Thu Jan  1 00:00:00 1970"},
      {1700000000, "Tue Nov 14 22:13:20 2023"},
      {timegm(&year999), "Tue Jan  1 00:00:00 999"},  // shorter: no line feed left over
      {std::time_t(1) << 60, "unknown date"},
  };
  for (const auto& c : cases) EXPECT_EQ(Kest::FormatScoreDate(c.date), c.text) << c.date;
}

}  // namespace
}  // namespace DataTest
