// The level's events: after every physics step, the script text of each
// event whose condition holds is run.
#pragma once

namespace Kest {

class EventManager {
 public:
  // Replaces the manager by an empty one.
  static void Create();
  static void Destroy();
  // The event manager of the level, or null before there is one.
  static EventManager* GetInstance();

  // Deletes every event with its condition.
  void Clear();
  // Runs the events whose conditions hold.
  void Update();

 private:
  EventManager() = default;
};

}  // namespace Kest
