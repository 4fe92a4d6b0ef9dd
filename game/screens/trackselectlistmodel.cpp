#include "game/screens/trackselectlistmodel.h"

#include <sstream>

#include "game/data/highscores.h"
#include "game/data/tracklist.h"
#include "game/data/xmlpathdocument.h"

namespace Kest {

namespace {

std::string RowOf(const std::string& track, const std::vector<HighScoreRecord>& table) {
  std::ostringstream row;
  row << track;
  if (table.empty()) {
    row << " (No high score)";
  } else {
    const HighScoreRecord& best = table.front();
    row << " (High score: " << best.score << ", " << best.name << ", " << FormatScoreDate(best.date)
        << ")";
  }
  return row.str();
}

}  // namespace

TrackSelectListModel::TrackSelectListModel() {
  const TrackList* tracks = TrackList::GetInstance();
  if (!tracks) return;
  XmlPathDocument document;
  scoreFinder finder;
  for (int i = 0; i < tracks->GetTrackCount(); ++i) {
    TrackRecord track;
    tracks->GetTrack(i, track);
    AddHighScore(document, finder, track.displayName, -1);
    rows_.push_back(RowOf(track.displayName, finder.scores));
  }
}

int TrackSelectListModel::getNumberOfElements() { return static_cast<int>(rows_.size()); }

std::string TrackSelectListModel::getElementAt(int i) {
  if (i < 0 || i >= getNumberOfElements()) return std::string();
  return rows_[static_cast<std::size_t>(i)];
}

}  // namespace Kest
