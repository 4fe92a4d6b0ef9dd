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

}  // namespace TrackTest
