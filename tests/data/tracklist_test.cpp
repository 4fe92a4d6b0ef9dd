#include "game/data/tracklist.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "game/data/tracklistmodel.h"
#include "tests/data/datafiles.h"
#include "tests/support/nestedxml.h"
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

// A list read whole that does not parse is set aside under a free name,
// older ones kept, and logged once: elements nested far too deep too.
TEST_F(TrackListTest, AMissingListIsWrittenEmptyAndABrokenOneSetAsideBesideOlderOnes) {
  const std::string texts[] = {"(missing)", "<tracklist><track filename='a.lua'></tracklist>",
                               "<Tracklist><track filename='a.lua'/></Tracklist>", "",
                               "<tracklist>" + TestSupport::NestedElements() + "</tracklist>"};
  folder.Write("tracklist.xml.bad", "older");
  int setAside = 0;
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 60));
    const bool missing = text == "(missing)";
    if (!missing) folder.Write("tracklist.xml", text);
    TestSupport::TraceCapture trace;
    TrackList::Create();
    TrackList::GetInstance()->Load();
    EXPECT_EQ(TrackList::GetInstance()->GetTrackCount(), 0);
    EXPECT_EQ(folder.Read("tracklist.xml"), "<?xml version='1.0'?>\n<tracklist>\n</tracklist>\n");
    EXPECT_EQ(folder.Read("tracklist.xml.bad"), "older");
    if (!missing) {
      EXPECT_EQ(folder.Read("tracklist.xml.bad." + std::to_string(++setAside)), text);
    }
    EXPECT_EQ(trace.Count("kept as"), missing ? 0 : 1);
  }
}

// A list that cannot be opened or read whole stays as it is, and the game
// writes no empty one over it, not even at a second load.
TEST_F(TrackListTest, AListThatCannotBeReadIsLeftAlone) {
  const std::pair<const char*, std::function<int(const char*)>> cases[] = {
      {"a folder", [](const char* path) { return mkdir(path, 0755); }},
      {"a device", [](const char* path) { return symlink("/dev/null", path); }},
      {"a named pipe", [](const char* path) { return mkfifo(path, 0644); }},
      {"a link to itself", [](const char* path) { return symlink(path, path); }},
      {"a read error", [](const char* path) { return symlink("/proc/self/mem", path); }},
      {"too large to read", [](const char* path) { return std::ofstream(path) ? truncate(path, 65 << 20) : -1; }}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    TestSupport::ScratchFolder data;
    Kest::SetDataFolder(data.Folder());
    const std::string path = data.Path("tracklist.xml");
    ASSERT_EQ(c.second(path.c_str()), 0);
    struct stat before {}, after {};
    lstat(path.c_str(), &before);
    TestSupport::TraceCapture trace;
    for (int load = 0; load < 2; ++load) {
      TrackList::Create();
      TrackList::GetInstance()->Load();
    }
    EXPECT_EQ(lstat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(data.Names(), std::vector<std::string>{"tracklist.xml"});
    EXPECT_EQ(trace.Count("cannot be read"), 1);
  }
}

// The data files lie beside the executable, in a folder whose name may hold
// a backslash: that path is the system's already.
TEST_F(TrackListTest, AFolderNameWithABackslashIsNotTranslated) {
  std::filesystem::create_directory(folder.Path("game\\dir"));
  const std::string list = "<tracklist><track name='Hills' filename='hills.lua'/></tracklist>";
  folder.Write("game\\dir/tracklist.xml", list);
  Kest::SetDataFolder(folder.Path("game\\dir"));
  for (int start = 0; start < 2; ++start) {
    TrackList::Create();
    TrackList::GetInstance()->Load();
    EXPECT_EQ(TrackList::GetInstance()->GetTrackName(0), "Hills");
  }
  EXPECT_EQ(folder.Read("game\\dir/tracklist.xml"), list);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"game\\dir"});
}

}  // namespace
}  // namespace DataTest
