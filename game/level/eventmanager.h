// The level's events: after every physics step, the script text of each
// event whose condition holds is run.
#pragma once

namespace Kest {

class EventManager {
 public:
  // The event manager of the loaded levels, or null before there is one.
  static EventManager* GetInstance();

  // Runs the events whose conditions hold.
  void Update();

 private:
  EventManager() = default;
};

}  // namespace Kest
