// The level: its completion conditions, whether it waits for
// the player's key before play, and which level script was loaded last. A
// load resets the whole game state for the level and runs its script.
#pragma once

#include <string>
#include <vector>

namespace Kest {

class LevelCondition;

class Level {
 public:
  // Becomes the level that GetInstance returns, and makes the timer,
  // resource and event managers and the script engine, in that order.
  Level();
  // Ends the managers, the conditions, the variables and the bike.
  ~Level();
  Level(const Level&) = delete;
  Level& operator=(const Level&) = delete;

  static Level* GetInstance();

  // Loads the level script (an empty name: the current level again, and
  // nothing at all before the first load) into a fresh world, space and
  // script state, with the objectives window's goals the script's own;
  // with wait, the level holds until the player's key.
  void Load(const std::string& filename, bool wait);
  // The player's key came: play begins.
  void StartPlay();
  bool IsWaiting() const { return waiting_; }

  // The level owns the condition from then on. Refused with a log line
  // (false): null, and a condition the level holds already.
  bool Add(LevelCondition* condition);
  // True when the level has completion conditions and all of them hold.
  bool IsFinished() const;
  // The same, but true for a level without conditions.
  bool IsAllSatisfied() const;
  void ClearConditions();
  int GetConditionCount() const { return static_cast<int>(conditions_.size()); }

  // The level script loaded last; empty before the first load.
  std::string GetName() const { return name_; }

 private:
  void ResetGameState();

  std::vector<LevelCondition*> conditions_;
  bool waiting_ = false;
  std::string name_;
};

}  // namespace Kest
