#include "game/data/highscores.h"

#include <algorithm>
#include <map>
#include <tuple>

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/predicate.hpp>

#include "game/data/datafile.h"
#include "game/data/savelock.h"
#include "game/data/tracklist.h"
#include "game/data/xmlpathdocument.h"
#include "game/data/xmltext.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

using boost::algorithm::iequals;

// The cursor on the track's element, and its high-score count.
bool GoToTrack(XmlPathDocument& document, nodeFinder& finder) {
  if (!document.GoTo("/highscores")) return false;
  document.Iterate(finder);
  return finder.IsFound();
}

// A first score of a track of the list gets the track its element (which
// saves the file).
bool FindOrAddTrack(XmlPathDocument& document, const std::string& track, int& maximum) {
  nodeFinder finder(track);
  if (!GoToTrack(document, finder)) {
    TrackRecord record;
    record.displayName = track;
    const TrackList* tracks = TrackList::GetInstance();
    if (!tracks || !tracks->FindTrackByName(record) || !document.GoTo("/highscores")) {
      return false;
    }
    document.AddElement("track", {{"name", ToXmlText(track)}});
    finder = nodeFinder(track);
    if (!GoToTrack(document, finder)) return false;
  }
  maximum = finder.GetMaximum();
  return true;
}

// The place of a new score: ahead of every score it equals or beats.
std::size_t PlaceOf(const std::vector<HighScoreRecord>& table, int score) {
  const auto place = std::find_if(table.begin(), table.end(),
                                  [score](const HighScoreRecord& r) { return r.score <= score; });
  return static_cast<std::size_t>(place - table.begin());
}

// The track's scores as the document holds them, unsorted; false when the
// track has no table there.
bool ReadStoredScores(XmlPathDocument& document, const std::string& track, scoreFinder& scores) {
  nodeFinder finder(track);
  if (!GoToTrack(document, finder)) return false;
  document.Iterate(scores);
  return true;
}

using ScoreCounts = std::map<std::tuple<std::int32_t, std::time_t, std::string>, int>;

ScoreCounts Count(const std::vector<HighScoreRecord>& table) {
  ScoreCounts counts;
  for (const HighScoreRecord& r : table) ++counts[{r.score, r.date, r.name}];
  return counts;
}

// What a game saves is what it read (read) changed into its table (mine);
// another game may have saved meanwhile (now). The entries it added join
// what is stored now, and those it dropped leave it; the rest stays as the
// other game left it.
std::vector<HighScoreRecord> MergeTables(const std::vector<HighScoreRecord>& read,
                                         const std::vector<HighScoreRecord>& mine,
                                         const std::vector<HighScoreRecord>& now) {
  const ScoreCounts before = Count(read), after = Count(mine);
  ScoreCounts merged = Count(now);
  for (const auto& entry : after) {
    const auto it = before.find(entry.first);
    const int had = it == before.end() ? 0 : it->second;
    if (entry.second > had) merged[entry.first] = std::max(merged[entry.first], entry.second);
  }
  for (const auto& entry : before) {
    const auto it = after.find(entry.first);
    const int dropped = entry.second - (it == after.end() ? 0 : it->second);
    if (dropped > 0) merged[entry.first] = std::max(0, merged[entry.first] - dropped);
  }
  std::vector<HighScoreRecord> table;
  for (const auto& entry : merged) {
    const HighScoreRecord record{std::get<2>(entry.first), std::get<1>(entry.first), std::get<0>(entry.first)};
    table.insert(table.end(), static_cast<std::size_t>(entry.second), record);
  }
  return table;
}

// Replaces the track's scores in the document (the track has its element).
void WriteTable(XmlPathDocument& document, const std::string& track,
                const std::vector<HighScoreRecord>& table) {
  nodeFinder finder(track);
  GoToTrack(document, finder);
  document.ClearNode();
  for (const HighScoreRecord& record : table) {
    document.PushNode();
    document.AppendElement("score", {{"date", std::to_string(record.date)},
                                     {"name", ToXmlText(record.name)},
                                     {"score", std::to_string(record.score)}});
    document.PopNode();
  }
}

// The first "track" element of each name (in lower case), as a walk that
// looks for one track stops on the first.
class TrackElements : public NodeIterator {
 public:
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) override {
    if (iequals(name, "track")) elements.emplace(boost::algorithm::to_lower_copy(FromXmlText(attributes["name"])), node);
    return true;
  }
  std::map<std::string, TiXmlNode*> elements;
};

}  // namespace

const char kDefaultHighScores[] =
    "<?xml version='1.0' encoding='UTF-8'?>\n<highscores>\n</highscores>\n";

bool WriteDefaultHighScores(const std::string& path) {
  return WriteDataFile(path, kDefaultHighScores);
}

bool nodeFinder::Visit(const std::string& name, AttributeMap& attributes, TiXmlNode*) {
  if (!iequals(name, "track") || !iequals(FromXmlText(attributes["name"]), track_)) {
    return true;
  }
  TrackRecord record;
  record.displayName = track_;
  const TrackList* tracks = TrackList::GetInstance();
  if (!tracks || !tracks->FindTrackByName(record)) return true;
  maximum_ = record.maxHighScores;
  found_ = true;
  return false;
}

bool scoreFinder::Visit(const std::string& name, AttributeMap& attributes, TiXmlNode*) {
  if (!iequals(name, "score")) return true;
  HighScoreRecord record;
  record.name = FromXmlText(attributes["name"]);
  record.score = StringToInt(attributes["score"]);
  record.date = StringToNumber<std::time_t>(attributes["date"]);
  scores.push_back(record);
  return true;
}

void scoreFinder::SortAndTrim(int n) {
  std::stable_sort(scores.begin(), scores.end(),
                   [](const HighScoreRecord& a, const HighScoreRecord& b) {
                     return a.score != b.score ? a.score < b.score : a.date < b.date;
                   });
  std::reverse(scores.begin(), scores.end());
  if (n > 0 && scores.size() > static_cast<std::size_t>(n)) scores.resize(n);
}

int AddHighScore(XmlPathDocument& document, scoreFinder& finder, const std::string& track,
                 int score) {
  finder.scores.clear();
  const std::time_t now = std::time(nullptr);
  int maximum = 0;
  if (!LoadDataFile(document, DataFilePath("highscores.xml"), "highscores", kDefaultHighScores) ||
      !FindOrAddTrack(document, track, maximum) || maximum == 0) {
    return -1;
  }
  document.PushNode();
  document.Iterate(finder);
  finder.SortAndTrim(maximum);
  std::vector<HighScoreRecord>& table = finder.scores;
  if (score < 0) return -1;
  if (table.size() >= static_cast<std::size_t>(maximum)) {
    if (table.back().score > score) return -1;
    table.pop_back();
  }
  const std::size_t place = PlaceOf(table, score);
  table.insert(table.begin() + place, HighScoreRecord{std::string(), now, score});
  return static_cast<int>(place);
}

bool SaveHighScores(XmlPathDocument& document, const std::string& track,
                    const std::vector<HighScoreRecord>& table) {
  scoreFinder read;
  if (!ReadStoredScores(document, track, read)) {
    Log("High scores of " + track + " not saved: the track has no table");
    return false;
  }
  const SaveLock lock(DataFilePath("highscores.xml"), SaveLock::Wait::kUntilFree);
  scoreFinder now;
  int maximum = 0;
  if (!LoadDataFile(document, DataFilePath("highscores.xml"), "highscores", kDefaultHighScores) ||
      !FindOrAddTrack(document, track, maximum) || !ReadStoredScores(document, track, now)) {
    Log("Could not save the high scores of " + track + ": the file cannot be read again");
    return false;
  }
  now.scores = MergeTables(read.scores, table, now.scores);
  now.SortAndTrim(maximum);
  WriteTable(document, track, now.scores);
  return document.Save();
}


std::vector<std::vector<HighScoreRecord>> ReadTrackTables(const TrackList& tracks) {
  std::vector<std::vector<HighScoreRecord>> tables(static_cast<std::size_t>(tracks.GetTrackCount()));
  XmlPathDocument document;
  if (!LoadDataFile(document, DataFilePath("highscores.xml"), "highscores", kDefaultHighScores)) {
    return tables;
  }
  TrackElements found;
  document.Iterate(found);
  for (std::size_t i = 0; i < tables.size(); ++i) {
    TrackRecord track;
    tracks.GetTrack(static_cast<int>(i), track);
    const auto element = found.elements.find(boost::algorithm::to_lower_copy(track.displayName));
    if (element == found.elements.end() || track.maxHighScores == 0) continue;
    scoreFinder scores;
    document.Iterate(scores, nullptr, element->second);
    scores.SortAndTrim(track.maxHighScores);
    tables[i] = std::move(scores.scores);
  }
  return tables;
}

std::string FormatScoreDate(std::time_t date) {
  std::tm local{};
  char text[64] = {};
  if (!localtime_r(&date, &local) || !asctime_r(&local, text)) return "unknown date";
  const std::string line(text, std::find(text, text + sizeof text, '\n'));
  return line.substr(0, 24);
}

}  // namespace Kest
