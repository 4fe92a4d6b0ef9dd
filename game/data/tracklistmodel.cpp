#include "game/data/tracklistmodel.h"

#include "game/data/tracklist.h"

namespace Kest {

int TrackListModel::getNumberOfElements() {
  const TrackList* tracks = TrackList::GetInstance();
  return tracks ? tracks->GetTrackCount() : 0;
}

std::string TrackListModel::getElementAt(int i) {
  const TrackList* tracks = TrackList::GetInstance();
  return tracks ? tracks->GetTrackName(i) : std::string();
}

}  // namespace Kest
