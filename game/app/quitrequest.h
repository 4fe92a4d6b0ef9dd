// Ending the game from outside: the window's close button, and SIGTERM,
// SIGINT and SIGHUP (a desktop logging out, a kill, Ctrl+C in a terminal).
// Each only notes the request; the main loop and every screen look at it
// and leave as the menu's "quit" does, so the game shuts down in its usual
// order and exits with 0.
#pragma once

namespace Kest {

// After the library's start-up, whose own signal handlers these replace.
void InstallQuitRequests();
bool IsQuitRequested();

}  // namespace Kest
