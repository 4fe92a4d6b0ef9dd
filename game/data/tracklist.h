// The playable tracks in play order, and which of them is being played.
#pragma once

#include <string>

namespace Kest {

struct TrackRecord {
  std::string displayName;
  std::string fileName;  // the level script
  int maxHighScores = 10;
  int index = 9999;
};

class TrackList {
 public:
  // Replaces the track list by a new empty one.
  static void Create();
  static void Destroy();
  static TrackList* GetInstance();

  // Reads the tracks from "tracklist.xml" beside the executable.
  void Load();

  // Each fills the record and returns true when there is such a track.
  bool GetCurrentTrack(TrackRecord& record) const;
  // Moves on to the track after the current one.
  bool NextTrack(TrackRecord& record);
  // Looks the record's file name up and fills in the rest.
  bool FindTrackByFile(TrackRecord& record) const;

 private:
  TrackList() = default;
};

}  // namespace Kest
