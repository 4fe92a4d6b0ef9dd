// The level's events. An event is a condition, the object it tests (or
// none), a script text and a once-only flag. After every physics step the
// main loop calls Update, which runs the text of each event whose condition
// holds; a once-only event then goes with its condition, a repeating one is
// reset and stays. The manager owns every registered condition.
//
// Script texts may register events, remove them (a collision condition
// whose object a text deletes takes its entry with it) or delete the
// objects events test, all while the walk is under way: entries added
// during a walk are reached in the same walk, entries removed are only
// marked and swept after it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/level/condition.h"
#include "game/utility/heldtext.h"

namespace Kest {

class EventManager {
 public:
  // Runs an event's script text; the level's script engine by default.
  using TextRunner = std::function<void(const std::string& text)>;

  // Replaces the manager (and its conditions) by an empty one.
  static void Create();
  static void Destroy();
  // The event manager of the level, or null before there is one.
  static EventManager* GetInstance();

  ~EventManager();
  EventManager(const EventManager&) = delete;
  EventManager& operator=(const EventManager&) = delete;

  // The manager owns the condition from then on. When the object is
  // deleted, an event whose condition reads it (its position) goes with its
  // condition; the others lose the object and stay. Refused (false): a null
  // condition, with a log line, and any while the conditions alive are past
  // their cap (livecount.h), with one log line per level.
  bool AddEvent(Object* argument, Condition* condition, const std::string& text, bool once);
  // Runs the events whose conditions hold.
  void Update();
  // Takes the condition's event out of the list without deleting the
  // condition; false when no event has it.
  bool Remove(Condition* condition);
  // Deletes every event with its condition and forgets the time-up event.
  void Clear();
  // The events not removed.
  int GetEventCount() const;

  // The first call of a level registers a once-only event that holds when
  // the level time runs out; later calls do nothing.
  void SetTimeUpEvent(const std::string& text);
  // The level time ran out: the time-up event holds, or, without one, the
  // bike asks for the level to be restarted.
  void OnTimeUp();

  void SetTextRunner(TextRunner runner) { runText_ = std::move(runner); }

 private:
  class TimeUpCondition;
  class ArgumentWatch;
  struct Entry {
    Object* argument;
    Condition* condition;  // null once the entry is removed
    HeldText text;
    bool once;
  };

  EventManager();
  void RunEntry(std::size_t index);
  void Finish(std::size_t index);
  void DeleteCondition(Condition* condition);
  // The object is being deleted: the events that read it go.
  void OnArgumentDeleted(const Object* object);
  void Sweep();

  std::vector<Entry> entries_;
  bool walking_ = false;
  TimeUpCondition* timeUp_ = nullptr;
  bool timeUpRegistered_ = false;
  bool refusedPastCap_ = false;
  std::unique_ptr<ArgumentWatch> argumentWatch_;
  TextRunner runText_;
};

}  // namespace Kest
