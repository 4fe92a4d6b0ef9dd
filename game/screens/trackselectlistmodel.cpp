#include "game/screens/trackselectlistmodel.h"

#include <sstream>

#include "game/data/highscores.h"
#include "game/data/tracklist.h"

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
  const std::vector<std::vector<HighScoreRecord>> tables = ReadTrackTables(*tracks);
  for (std::size_t i = 0; i < tables.size(); ++i) {
    rows_.push_back(RowOf(tracks->GetTrackName(static_cast<int>(i)), tables[i]));
  }
}

int TrackSelectListModel::getNumberOfElements() { return static_cast<int>(rows_.size()); }

std::string TrackSelectListModel::getElementAt(int i) {
  if (i < 0 || i >= getNumberOfElements()) return std::string();
  return rows_[static_cast<std::size_t>(i)];
}

}  // namespace Kest
