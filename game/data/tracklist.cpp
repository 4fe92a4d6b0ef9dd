#include "game/data/tracklist.h"

#include <algorithm>

#include <boost/algorithm/string/predicate.hpp>

#include "game/data/datafile.h"
#include "game/data/xmlpathdocument.h"
#include "game/data/xmltext.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

TrackList* instance = nullptr;

// The number, or the fallback when the text is empty.
int NumberOr(const std::string& text, int fallback) {
  return text.empty() ? fallback : StringToInt(text);
}

// The first track whose key matches the record's ignoring case fills in
// the record's other fields; the key keeps the caller's spelling.
bool FillFromTrack(const std::vector<TrackRecord>& tracks, std::string TrackRecord::*key,
                   TrackRecord& record) {
  for (const TrackRecord& track : tracks) {
    if (boost::algorithm::iequals(track.*key, record.*key)) {
      const std::string given = record.*key;
      record = track;
      record.*key = given;
      return true;
    }
  }
  return false;
}

}  // namespace

const char kDefaultTrackList[] = "<?xml version='1.0'?>\n<tracklist>\n</tracklist>\n";

bool WriteDefaultTrackList(const std::string& path) {
  return WriteDataFile(path, kDefaultTrackList);
}

TrackRecord::TrackRecord(const std::string& displayName, const std::string& fileName,
                         int maxHighScores, int index)
    : displayName(displayName), fileName(fileName), maxHighScores(maxHighScores), index(index) {}

bool trackFinder::Visit(const std::string& name, AttributeMap& attributes, TiXmlNode*) {
  if (!boost::algorithm::iequals(name, "track")) return true;
  const std::string& fileName = attributes["filename"];
  if (fileName.empty()) return true;
  const std::string& displayName = attributes["name"];
  tracks_.emplace_back(FromXmlText(displayName.empty() ? fileName : displayName), fileName,
                       std::max(0, NumberOr(attributes["max_high_scores"], 10)),
                       NumberOr(attributes["index"], 9999));
  return true;
}

void trackFinder::Sort() {
  std::stable_sort(tracks_.begin(), tracks_.end(), [](const TrackRecord& a, const TrackRecord& b) {
    return static_cast<unsigned>(a.index) < static_cast<unsigned>(b.index);
  });
}

TrackList::TrackList() : tracks_(new trackFinder) {}

void TrackList::Create() {
  Destroy();
  instance = new TrackList;
}

void TrackList::Destroy() {
  delete instance;
  instance = nullptr;
}

TrackList* TrackList::GetInstance() { return instance; }

void TrackList::Load() {
  XmlPathDocument document;
  if (LoadDataFile(document, DataFilePath("tracklist.xml"), "tracklist", kDefaultTrackList)) {
    document.Iterate(*tracks_);
  }
  tracks_->Sort();
}

int TrackList::GetTrackCount() const { return static_cast<int>(tracks_->GetTracks().size()); }

bool TrackList::GetTrack(int i, TrackRecord& record) const {
  if (i < 0 || i >= GetTrackCount()) return false;
  record = tracks_->GetTracks()[i];
  return true;
}

std::string TrackList::GetTrackName(int i) const {
  TrackRecord record;
  return GetTrack(i, record) ? record.displayName : std::string();
}

bool TrackList::GetCurrentTrack(TrackRecord& record) const { return GetTrack(current_, record); }

bool TrackList::NextTrack(TrackRecord& record) {
  if (!GetTrack(current_ + 1, record)) return false;
  ++current_;
  return true;
}

void TrackList::SetCurrentTrack(int i) {
  current_ = static_cast<unsigned>(i) < static_cast<unsigned>(GetTrackCount()) ? i : -1;
}

bool TrackList::FindTrackByName(TrackRecord& record) const {
  return FillFromTrack(tracks_->GetTracks(), &TrackRecord::displayName, record);
}

bool TrackList::FindTrackByFile(TrackRecord& record) const {
  return FillFromTrack(tracks_->GetTracks(), &TrackRecord::fileName, record);
}

}  // namespace Kest
