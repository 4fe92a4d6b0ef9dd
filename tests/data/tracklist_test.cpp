#include "game/data/tracklist.h"

#include <gtest/gtest.h>

#include <cstdio>
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
using TrackListTest = DataFiles;

Fields FieldsOf(const TrackRecord& r) { return Fields(r.displayName, r.fileName, r.maxHighScores, r.index); }

const char kTracks[] =
    "<track name='Hills' filename='hills.lua'/><track filename='a.lua' index='2'/><track name='No file'/>"
    "<TRACK name='Caps' filename='caps.lua' index='5' max_high_scores='3'/>"
    "<track name='Negative' filename='neg.lua' index='-1' max_high_scores='-4'/>"
    "<other name='Other' filename='other.lua' index='0'/>"
    "<track name='' filename='e.lua' index='1' max_high_scores=''/>";

TEST_F(TrackListTest, TracksAreReadWithTheirDefaultsAndSortedByUnsignedIndex) {
  Kest::TrackListModel model;
  EXPECT_EQ(model.getNumberOfElements(), 0) << "no track list";
  EXPECT_EQ(model.getElementAt(0), "");
  const TrackList& tracks = LoadTracks(kTracks);
  std::vector<Fields> read;
  for (TrackRecord r; tracks.GetTrack(int(read.size()), r);) read.push_back(FieldsOf(r));
  EXPECT_EQ(read, (std::vector<Fields>{{"e.lua", "e.lua", 10, 1}, {"a.lua", "a.lua", 10, 2},
                                       {"Caps", "caps.lua", 3, 5}, {"Hills", "hills.lua", 10, 9999},
                                       {"Negative", "neg.lua", 0, -1}}));  // a negative count keeps none
  TrackRecord record;
  EXPECT_FALSE(tracks.GetTrack(-1, record));
  EXPECT_EQ(model.getNumberOfElements(), 5);
  EXPECT_EQ(model.getElementAt(2), "Caps");
  EXPECT_EQ(model.getElementAt(5), "");
}

TEST_F(TrackListTest, TheCurrentTrackMovesOnUntilTheLastAndTracksAreFound) {
  TrackList& tracks = LoadTracks(kTracks);
  TrackRecord record;
  EXPECT_FALSE(tracks.GetCurrentTrack(record)) << "none chosen yet";
  tracks.SetCurrentTrack(3);
  ASSERT_TRUE(tracks.NextTrack(record));
  EXPECT_FALSE(tracks.NextTrack(record));
  ASSERT_TRUE(tracks.GetCurrentTrack(record));
  EXPECT_EQ(record.displayName, "Negative");
  for (int outside : {5, -7}) {
    tracks.SetCurrentTrack(outside);
    EXPECT_EQ(tracks.GetCurrentIndex(), -1) << outside;
  }
  ASSERT_TRUE(tracks.NextTrack(record)) << "from none to the first";
  EXPECT_EQ(record.displayName, "e.lua");
  // Found by name or file in any case; the key keeps the caller's spelling, a miss leaves it alone.
  TrackRecord byName("HILLS", "", 0, 0), byFile("", "CAPS.LUA", 0, 0), missing("Mountains", "m.lua", 4, 7);
  ASSERT_TRUE(tracks.FindTrackByName(byName) && tracks.FindTrackByFile(byFile));
  EXPECT_EQ(FieldsOf(byName), Fields("HILLS", "hills.lua", 10, 9999));
  EXPECT_EQ(FieldsOf(byFile), Fields("Caps", "CAPS.LUA", 3, 5));
  EXPECT_FALSE(tracks.FindTrackByName(missing) || tracks.FindTrackByFile(missing));
  EXPECT_EQ(FieldsOf(missing), Fields("Mountains", "m.lua", 4, 7));
}

// A broken list is kept as .bad (over an older one) and logged once.
TEST_F(TrackListTest, AMissingListIsWrittenEmptyAndABrokenOneKeptAsBad) {
  const char* const texts[] = {nullptr, "<tracklist><track filename='a.lua'></tracklist>",
                               "<Tracklist><track filename='a.lua'/></Tracklist>", ""};
  for (const char* text : texts) {
    SCOPED_TRACE(text ? text : "(missing)");
    folder.Write("tracklist.xml.bad", "older");
    if (text) folder.Write("tracklist.xml", text);
    TestSupport::TraceCapture trace;
    TrackList::Create();
    TrackList::GetInstance()->Load();
    EXPECT_EQ(TrackList::GetInstance()->GetTrackCount(), 0);
    EXPECT_EQ(folder.Read("tracklist.xml"), "<?xml version='1.0'?>\n<tracklist>\n</tracklist>\n");
    EXPECT_EQ(folder.Read("tracklist.xml.bad"), text ? text : "older");
    EXPECT_EQ(trace.Lines().size(), text ? 1u : 0u);
    EXPECT_EQ(trace.Contains("tracklist.xml.bad"), text != nullptr);
  }
}

}  // namespace
}  // namespace DataTest
