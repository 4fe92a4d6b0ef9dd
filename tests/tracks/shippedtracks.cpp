#include "tests/tracks/shippedtracks.h"

#include "game/data/datafile.h"

namespace TrackTest {

std::vector<Kest::TrackRecord> ShippedTracks() {
  Kest::SetDataFolder(VANTRAIL_STAGE_DIR);
  Kest::TrackList::Create();
  Kest::TrackList& list = *Kest::TrackList::GetInstance();
  list.Load();
  std::vector<Kest::TrackRecord> tracks(list.GetTrackCount());
  for (int i = 0; i < list.GetTrackCount(); ++i) list.GetTrack(i, tracks[i]);
  Kest::TrackList::Destroy();
  Kest::SetDataFolder("");
  return tracks;
}

std::string RideFileOf(const std::string& script) {
  const std::size_t name = script.find_last_of("\\/") + 1;
  const std::size_t dot = script.rfind('.');
  return std::string(VANTRAIL_SOURCE_DIR) + "/tests/tracks/rides/" + script.substr(name, dot - name) +
         ".keys";
}

}  // namespace TrackTest
