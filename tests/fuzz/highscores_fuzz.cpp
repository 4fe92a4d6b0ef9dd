// The high-score file as the game reads it when a track is finished: any
// "highscores.xml" must give a table, best first and no longer than the
// track allows; a score that makes the table is saved, and reading the
// file again gives the same table.
//
// The input's first byte picks the track, its second the score, and the
// rest is the file.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "game/data/datafile.h"
#include "game/data/highscores.h"
#include "game/data/tracklist.h"
#include "game/data/xmlpathdocument.h"
#include "tests/fuzz/fuzzinput.h"

namespace {

struct TrackChoice {
  const char* name;
  int maximum;  // scores its table keeps; 0 for none
};

// As the track list holds them, in another case, keeping none, not listed.
const TrackChoice kTracks[] = {{"Hills", 3}, {"ridge", 10}, {"Zero", 0}, {"Mountains", 0}};
const int kScores[] = {-1, 0, 1, 600, 900, INT_MAX};

const char kTrackList[] =
    "<tracklist><track index='1' name='Hills' filename='h.lua' max_high_scores='3'/><track index='2' name='Ridge' "
    "filename='r.lua'/><track index='3' name='Zero' filename='z.lua' max_high_scores='0'/></tracklist>";

// The name a player types, with every character the file must escape and
// a letter of the fonts beyond ASCII.
const char kTypedName[] = "Ann & <Bo> \"' \xC5";

using Row = std::tuple<int, std::time_t, std::string>;

// The table's rows in one order, names left out or not: of equal scores and
// dates the file may give either first.
std::vector<Row> RowsOf(const std::vector<Kest::HighScoreRecord>& table, bool withNames) {
  std::vector<Row> rows;
  for (const Kest::HighScoreRecord& r : table) rows.emplace_back(r.score, r.date, withNames ? r.name : "");
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::StartRun();
  Kest::SetDataFolder(Fuzz::ScratchFolder());
  Fuzz::WriteFile(Fuzz::ScratchPath("tracklist.xml"), kTrackList);
  Kest::TrackList::Create();
  Kest::TrackList::GetInstance()->Load();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TrackChoice& track = kTracks[size > 0 ? data[0] % 4 : 0];
  const int score = kScores[size > 1 ? data[1] % 6 : 0];
  const std::size_t head = std::min<std::size_t>(size, 2);
  const std::string given = Fuzz::Text(data + head, size - head);
  Fuzz::WriteFile(Fuzz::ScratchPath("highscores.xml"), given);

  Kest::XmlPathDocument document;
  Kest::scoreFinder finder;
  const int rank = Kest::AddHighScore(document, finder, track.name, score);
  std::string keptAside;  // a file the game could not read is kept aside whole
  if (Fuzz::ReadFile(Fuzz::ScratchPath("highscores.xml.bad"), keptAside)) {
    Fuzz::Require(keptAside == given, "a broken score file is kept aside whole");
    std::remove(Fuzz::ScratchPath("highscores.xml.bad").c_str());
  }
  const std::vector<Kest::HighScoreRecord>& table = finder.scores;
  Fuzz::Require(table.size() <= static_cast<std::size_t>(track.maximum), "a table is no longer than its track allows");
  for (std::size_t i = 0; i < table.size(); ++i) {
    Fuzz::Require(i == 0 || table[i - 1].score >= table[i].score, "a table lists the best score first");
    Fuzz::Require(!Kest::FormatScoreDate(table[i].date).empty(), "every date can be shown");
  }
  if (rank < 0) return 0;
  Fuzz::Require(track.maximum > 0 && score >= 0, "only a track with a table takes a score");
  Fuzz::Require(table[rank].score == score && table[rank].name.empty(), "the new score is where its rank says");
  // The saved file gives back every score with its date and every name as
  // it was shown, the typed one as typed, however often it is saved.
  const auto saveAndRead = [&](const std::vector<Kest::HighScoreRecord>& saved) {
    Fuzz::Require(Kest::SaveHighScores(document, track.name, saved), "a table that was read is saved");
    Kest::scoreFinder reader;
    Fuzz::Require(Kest::AddHighScore(document, reader, track.name, -1) == -1, "a negative score only reads");
    return reader.scores;
  };
  std::vector<Kest::HighScoreRecord> typed = table;
  typed[rank].name = kTypedName;
  const std::vector<Kest::HighScoreRecord> once = saveAndRead(typed);
  Fuzz::Require(RowsOf(once, true) == RowsOf(typed, true), "the saved table reads back as it was shown");
  Fuzz::Require(RowsOf(saveAndRead(once), true) == RowsOf(once, true), "a table read back saves unchanged");
  return 0;
}
