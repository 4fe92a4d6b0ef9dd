#include "game/screens/debugconsole.h"

namespace Kest {

namespace {
DebugConsole* instance = nullptr;
}  // namespace

DebugConsole::DebugConsole() { instance = this; }

DebugConsole::~DebugConsole() {
  if (instance == this) instance = nullptr;
}

DebugConsole* DebugConsole::GetInstance() { return instance; }

// The event list comes with the console's widgets.
void DebugConsole::Log(const std::string&) {}

// The console's window needs the GUI backend; without it there is nothing
// to draw.
void DebugConsole::Draw() {}

}  // namespace Kest
