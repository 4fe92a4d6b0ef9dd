// The level: whether it waits for the player's key before play, whether it
// is finished, and which level script was loaded last.
#pragma once

#include <string>

namespace Kest {

class Level {
 public:
  // Becomes the level that GetInstance returns.
  Level();
  ~Level();
  Level(const Level&) = delete;
  Level& operator=(const Level&) = delete;

  static Level* GetInstance();

  // Loads the level script (an empty name: the current level again) and,
  // with wait, holds the level until the player presses a key.
  void Load(const std::string& filename, bool wait);
  // The player's key came: play begins.
  void StartPlay();
  bool IsWaiting() const { return waiting_; }
  // True when the level has completion conditions and all of them hold.
  bool IsFinished() const;
  // The level script loaded last; empty before the first load.
  std::string GetName() const { return name_; }

 private:
  bool waiting_ = false;
  std::string name_;
};

}  // namespace Kest
