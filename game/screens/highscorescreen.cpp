#include "game/screens/highscorescreen.h"

namespace Kest {

HighScoreScreen::HighScoreScreen(const std::string& /*background*/) {}

// Screens need the GUI backend; until the game has it a finished track goes
// straight on to the next one.
void HighScoreScreen::ShowHighScores(unsigned /*timeScore*/, unsigned /*flipScore*/,
                                     unsigned /*wheelieScore*/, const std::string& /*trackName*/) {}

}  // namespace Kest
