#include "game/screens/highscorescreen.h"

namespace Kest {

HighScoreScreen::HighScoreScreen(const std::string& /*background*/) {}

// The game keeps no high scores yet: a finished track goes straight on to
// the next one.
void HighScoreScreen::ShowHighScores(unsigned /*timeScore*/, unsigned /*flipScore*/,
                                     unsigned /*wheelieScore*/, const std::string& /*trackName*/) {}

void HighScoreScreen::ViewHighScores(const std::string& /*trackName*/) {}

}  // namespace Kest
