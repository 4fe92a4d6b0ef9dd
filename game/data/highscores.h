// The high-score table of every track in "highscores.xml": per track, its
// best scores, best first, at most as many as the track list allows.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "game/data/nodeiterator.h"

namespace Kest {

class TrackList;
class XmlPathDocument;

struct HighScoreRecord {
  std::string name;      // the game's text (see xmltext.h)
  std::time_t date = 0;  // seconds since 1970
  std::int32_t score = 0;
};

// Stops on the "track" element of the sought name (ignoring case) when the
// track list holds that track, and takes its high-score count. Names are
// the game's text (see xmltext.h), as the file's are read.
class nodeFinder : public NodeIterator {
 public:
  explicit nodeFinder(const std::string& track) : track_(track) {}
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) override;

  bool IsFound() const { return found_; }
  int GetMaximum() const { return maximum_; }

 private:
  std::string track_;
  bool found_ = false;
  int maximum_ = 1;
};

// Collects the "score" elements of a track.
class scoreFinder : public NodeIterator {
 public:
  bool Visit(const std::string& name, AttributeMap& attributes, TiXmlNode* node) override;
  // Best first: higher scores, and of equal scores the later. Keeps at most
  // n when n is above 0.
  void SortAndTrim(int n);

  std::vector<HighScoreRecord> scores;
};

// Reads the track's table into the finder and, for a score of 0 or more
// that makes the table, inserts it with an empty name and the date of now.
// Returns its position in the table, or -1 when nothing was inserted (a
// negative score only reads). A track the track list does not hold, or one
// that keeps no scores, has no table. The document keeps the file for
// SaveHighScores.
int AddHighScore(XmlPathDocument& document, scoreFinder& finder, const std::string& track,
                 int score);

// Saves the table the game made of the track's one that AddHighScore read
// into the document: under the file's save lock (see savelock.h) it reads
// the file again, adds the entries the table added, drops those it dropped,
// keeps what another game saved meanwhile, and writes the whole file once,
// in one step. False (logged) when the track has no table in the document
// or the file cannot be read again or written; the old file then stays.
bool SaveHighScores(XmlPathDocument& document, const std::string& track,
                    const std::vector<HighScoreRecord>& table);

// The table of every track of the list, in its order, read from one read
// of the file and written nowhere: for showing many tracks at once.
std::vector<std::vector<HighScoreRecord>> ReadTrackTables(const TrackList& tracks);

// As "Thu Jan  1 00:00:00 1970" in local time; "unknown date" for a date the
// calendar cannot show.
std::string FormatScoreDate(std::time_t date);

// "highscores.xml" as the game writes it when there is none.
extern const char kDefaultHighScores[];
bool WriteDefaultHighScores(const std::string& path);

}  // namespace Kest
