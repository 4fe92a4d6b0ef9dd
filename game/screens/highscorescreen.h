// The result screen of a finished track: the score in its parts and the
// track's high-score table.
#pragma once

#include <string>

namespace Kest {

class HighScoreScreen {
 public:
  explicit HighScoreScreen(const std::string& background);

  void ShowHighScores(unsigned timeScore, unsigned flipScore, unsigned wheelieScore,
                      const std::string& trackName);
  // The track's table without a new score; the menu shows it for "".
  void ViewHighScores(const std::string& trackName);
};

}  // namespace Kest
