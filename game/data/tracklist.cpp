#include "game/data/tracklist.h"

namespace Kest {

namespace {
TrackList* instance = nullptr;
}  // namespace

void TrackList::Create() {
  Destroy();
  instance = new TrackList;
}

void TrackList::Destroy() {
  delete instance;
  instance = nullptr;
}

TrackList* TrackList::GetInstance() { return instance; }

// The game does not read track files yet: the list stays empty, so there
// is no track to play and none to move on to.
void TrackList::Load() {}

bool TrackList::GetCurrentTrack(TrackRecord& /*record*/) const { return false; }
bool TrackList::NextTrack(TrackRecord& /*record*/) { return false; }
bool TrackList::FindTrackByFile(TrackRecord& /*record*/) const { return false; }

}  // namespace Kest
