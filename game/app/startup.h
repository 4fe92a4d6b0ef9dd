// The program from start to end: the game's objects made in their order, the
// first level (named on the command line, or chosen in the main menu), the
// main loop, and the shutdown.
#pragma once

#include <string>

namespace Kest {

// Runs the whole game; the command line, when not empty, is taken whole as
// the level script to play. Returns the process exit code.
int RunGame(const std::string& commandLine);

// Makes the game's objects, the window first. False when the window did not
// open (the objects made so far stay, for ShutdownGame).
bool StartUpGame();

// Runs the main menu and loads the track chosen there; false when the
// player quit or there is no track to play.
bool StartGameFromMenu();

// Deletes the game's objects in order, then closes the drawing layer and,
// last, the library under it.
void ShutdownGame();

}  // namespace Kest
