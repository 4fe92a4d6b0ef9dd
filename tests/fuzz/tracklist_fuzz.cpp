// The track list as the game reads it at start-up: any "tracklist.xml" must
// give a usable list, and a file the game cannot read is kept aside whole
// and replaced by an empty list, never overwritten.
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/data/datafile.h"
#include "game/data/tracklist.h"
#include "game/data/tracklistmodel.h"
#include "tests/fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::StartRun();
  Kest::SetDataFolder(Fuzz::ScratchFolder());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string given = Fuzz::Text(data, size);
  Fuzz::WriteFile(Fuzz::ScratchPath("tracklist.xml"), given);
  Kest::TrackList::Create();
  Kest::TrackList& tracks = *Kest::TrackList::GetInstance();
  tracks.Load();
  // Every track is found again by its name and by its file, in play order.
  unsigned lastIndex = 0;
  for (int i = 0; i < tracks.GetTrackCount(); ++i) {
    Kest::TrackRecord track;
    Fuzz::Require(tracks.GetTrack(i, track), "each counted track is there");
    Fuzz::Require(!track.fileName.empty(), "a track has a level script");
    Fuzz::Require(track.maxHighScores >= 0, "a track keeps no negative number of scores");
    Fuzz::Require(static_cast<unsigned>(track.index) >= lastIndex, "tracks come in play order");
    lastIndex = static_cast<unsigned>(track.index);
    Kest::TrackRecord byName(track.displayName, "", 0, 0), byFile("", track.fileName, 0, 0);
    Fuzz::Require(tracks.FindTrackByName(byName) && tracks.FindTrackByFile(byFile),
                  "a track is found by its name and its file");
  }
  Kest::TrackListModel model;
  for (int i = -1; i <= model.getNumberOfElements(); ++i) model.getElementAt(i);
  // The file is what was given, or the empty list with the given one kept
  // as "tracklist.xml.bad".
  const std::string path = Fuzz::ScratchPath("tracklist.xml"), bad = path + ".bad";
  std::string now, keptAside;
  Fuzz::Require(Fuzz::ReadFile(path, now), "the track list is there after a start");
  if (Fuzz::ReadFile(bad, keptAside)) {
    Fuzz::Require(keptAside == given, "a broken track list is kept aside whole");
    Fuzz::Require(now == Kest::kDefaultTrackList, "a broken track list is replaced by an empty one");
    std::remove(bad.c_str());
  } else {
    Fuzz::Require(now == given, "a track list the game reads is left as it was");
  }
  for (Kest::TrackRecord next; tracks.NextTrack(next);) {
  }
  Kest::TrackList::Destroy();
  return 0;
}
