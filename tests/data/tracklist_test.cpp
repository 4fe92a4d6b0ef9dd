#include "game/data/tracklist.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game/data/tracklistmodel.h"
#include "tests/data/datafiles.h"
#include "tests/support/tracecapture.h"

namespace DataTest {
namespace {

using Kest::TrackList;
using Kest::TrackRecord;
using Fields = std::tuple<std::string, std::string, int, int>;

Fields FieldsOf(const TrackRecord& r) {
  return Fields(r.displayName, r.fileName, r.maxHighScores, r.index);
}

const char kTracks[] =
    "<track name='Hills' filename='hills.lua'/>\n"
    "<track filename='a.lua' index='2'/>\n"
    "<track name='No file'/>\n"
    "<TRACK name='Caps' filename='caps.lua' index='5' max_high_scores='3'/>\n"
    "<track name='Negative' filename='neg.lua' index='-1' max_high_scores='-4'/>\n"
    "<other name='Other' filename='other.lua' index='0'/>\n"
    "<track name='' filename='e.lua' index='1' max_high_scores=''/>\n";

class TrackListTest : public DataFiles {};

TEST_F(TrackListTest, TracksAreReadWithTheirDefaultsAndSortedByUnsignedIndex) {
  TrackList& tracks = LoadTracks(kTracks);
  const std::vector<Fields> expected = {
      {"e.lua", "e.lua", 10, 1},
      {"a.lua", "a.lua", 10, 2},
      {"Caps", "caps.lua", 3, 5},
      {"Hills", "hills.lua", 10, 9999},
      {"Negative", "neg.lua", 0, -1},  // a negative count keeps no scores
  };
  ASSERT_EQ(tracks.GetTrackCount(), int(expected.size()));
  for (int i = 0; i < tracks.GetTrackCount(); ++i) {
    TrackRecord record;
    ASSERT_TRUE(tracks.GetTrack(i, record));
    EXPECT_EQ(FieldsOf(record), expected[i]) << "track " << i;
    EXPECT_EQ(tracks.GetTrackName(i), std::get<0>(expected[i]));
  }
  TrackRecord record;
  EXPECT_FALSE(tracks.GetTrack(-1, record));
  EXPECT_FALSE(tracks.GetTrack(5, record));
  EXPECT_EQ(tracks.GetTrackName(-1), "");
  EXPECT_EQ(tracks.GetTrackName(5), "");
}

TEST_F(TrackListTest, TheCurrentTrackMovesOnUntilTheLast) {
  TrackList& tracks = LoadTracks(kTracks);
  TrackRecord record;
  EXPECT_FALSE(tracks.GetCurrentTrack(record)) << "none chosen yet";
  tracks.SetCurrentTrack(3);
  ASSERT_TRUE(tracks.GetCurrentTrack(record));
  EXPECT_EQ(record.displayName, "Hills");
  ASSERT_TRUE(tracks.NextTrack(record));
  EXPECT_EQ(record.displayName, "Negative");
  EXPECT_FALSE(tracks.NextTrack(record));
  EXPECT_EQ(tracks.GetCurrentIndex(), 4);

  for (int outside : {5, -1, -7}) {
    tracks.SetCurrentTrack(outside);
    EXPECT_EQ(tracks.GetCurrentIndex(), -1) << outside;
  }
  ASSERT_TRUE(tracks.NextTrack(record)) << "from none to the first";
  EXPECT_EQ(record.displayName, "e.lua");
}

TEST_F(TrackListTest, TracksAreFoundByNameOrFileIgnoringCase) {
  TrackList& tracks = LoadTracks(kTracks);
  TrackRecord byName;
  byName.displayName = "HILLS";
  ASSERT_TRUE(tracks.FindTrackByName(byName));
  EXPECT_EQ(FieldsOf(byName), Fields("HILLS", "hills.lua", 10, 9999));

  TrackRecord byFile;
  byFile.fileName = "CAPS.LUA";
  ASSERT_TRUE(tracks.FindTrackByFile(byFile));
  EXPECT_EQ(FieldsOf(byFile), Fields("Caps", "CAPS.LUA", 3, 5));

  TrackRecord missing("Mountains", "m.lua", 4, 7);
  EXPECT_FALSE(tracks.FindTrackByName(missing));
  EXPECT_FALSE(tracks.FindTrackByFile(missing));
  EXPECT_EQ(FieldsOf(missing), Fields("Mountains", "m.lua", 4, 7));
}

TEST_F(TrackListTest, AMissingListIsWrittenEmpty) {
  TestSupport::TraceCapture trace;
  TrackList::Create();
  TrackList::GetInstance()->Load();
  EXPECT_EQ(TrackList::GetInstance()->GetTrackCount(), 0);
  EXPECT_EQ(folder.Read("tracklist.xml"), "<?xml version='1.0'?>\n<tracklist>\n</tracklist>\n");
  EXPECT_TRUE(trace.Lines().empty());
}

TEST_F(TrackListTest, ABrokenListIsKeptAsBadAndStartedAfresh) {
  const char* const broken[] = {
      "<tracklist><track filename='a.lua'></tracklist>",
      "<Tracklist><track filename='a.lua'/></Tracklist>",
      "",
  };
  for (const char* text : broken) {
    SCOPED_TRACE(text);
    folder.Write("tracklist.xml.bad", "an older bad file");
    folder.Write("tracklist.xml", text);
    TestSupport::TraceCapture trace;
    TrackList::Create();
    TrackList::GetInstance()->Load();
    EXPECT_EQ(TrackList::GetInstance()->GetTrackCount(), 0);
    EXPECT_EQ(folder.Read("tracklist.xml.bad"), text);
    EXPECT_EQ(folder.Read("tracklist.xml"), Kest::kDefaultTrackList);
    ASSERT_EQ(trace.Lines().size(), 1u);
    EXPECT_NE(trace.Lines()[0].find("tracklist.xml.bad"), std::string::npos);
  }
}

TEST_F(TrackListTest, TheListModelShowsTheTrackNames) {
  Kest::TrackListModel model;
  EXPECT_EQ(model.getNumberOfElements(), 0) << "no track list";
  EXPECT_EQ(model.getElementAt(0), "");
  LoadTracks(kTracks);
  EXPECT_EQ(model.getNumberOfElements(), 5);
  EXPECT_EQ(model.getElementAt(2), "Caps");
  EXPECT_EQ(model.getElementAt(5), "");
}

}  // namespace
}  // namespace DataTest
