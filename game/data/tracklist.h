// The playable tracks in play order, read from "tracklist.xml", and which
// of them is being played.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/data/nodeiterator.h"

namespace Kest {

struct TrackRecord {
  TrackRecord() = default;
  TrackRecord(const std::string& displayName, const std::string& fileName, int maxHighScores,
              int index);

  std::string displayName;  // the game's text (see xmltext.h)
  std::string fileName;     // the level script, a path as the file gives it
  int maxHighScores = 10;
  int index = 9999;
};

// Collects the "track" elements of the track list (element names in any
// case). A track without a file name is skipped; one without a name is
// shown by its file name; a negative high-score count keeps none.
class trackFinder : public NodeIterator {
 public:
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) override;
  // Ascending "index", compared unsigned: negative indices go last. Tracks
  // of the same index keep their order in the file.
  void Sort();
  const std::vector<TrackRecord>& GetTracks() const { return tracks_; }

 private:
  std::vector<TrackRecord> tracks_;
};

// "tracklist.xml" as the game writes it when there is none.
extern const char kDefaultTrackList[];
bool WriteDefaultTrackList(const std::string& path);

class TrackList {
 public:
  // Replaces the track list by a new empty one.
  static void Create();
  static void Destroy();
  static TrackList* GetInstance();

  // Reads the tracks from "tracklist.xml" among the data files (see
  // datafile.h for a missing or broken file).
  void Load();

  int GetTrackCount() const;
  // Each fills the record and returns true when there is such a track.
  bool GetTrack(int i, TrackRecord& record) const;
  // Empty when there is no track i.
  std::string GetTrackName(int i) const;
  bool GetCurrentTrack(TrackRecord& record) const;
  // Moves on to the track after the current one; stays when there is none.
  bool NextTrack(TrackRecord& record);
  // No current track (-1) when there is no track i.
  void SetCurrentTrack(int i);
  int GetCurrentIndex() const { return current_; }

  // Look the record's display name (or file name) up, ignoring case, and
  // fill in the rest; false and no change when no track matches.
  bool FindTrackByName(TrackRecord& record) const;
  bool FindTrackByFile(TrackRecord& record) const;

 private:
  TrackList();

  std::unique_ptr<trackFinder> tracks_;
  int current_ = -1;
};

}  // namespace Kest
