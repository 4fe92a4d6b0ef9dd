#include "game/level/level.h"

namespace Kest {

namespace {
Level* instance = nullptr;
}  // namespace

Level::Level() { instance = this; }

Level::~Level() {
  if (instance == this) instance = nullptr;
}

Level* Level::GetInstance() { return instance; }

// Level scripts need the script engine: until the game has one, a load
// leaves the level as it was, so it never starts waiting.
void Level::Load(const std::string& /*filename*/, bool /*wait*/) {}

void Level::StartPlay() { waiting_ = false; }

// Completion conditions come with level scripts; a level without any never
// finishes.
bool Level::IsFinished() const { return false; }

}  // namespace Kest
