// The level's events. An event is a condition, the object it tests (or
// none), a script text and a once-only flag. After every physics step the
// main loop calls Update, which runs the text of each event whose condition
// holds; a once-only event then goes with its condition, a repeating one is
// reset and stays. The manager owns every registered condition.
//
// A text the pass of the main loop has no script budget left for waits:
// its event is not tested again, and the texts that waited run first in
// the next pass, in the order their events fired. Only then does the event
// go (once-only) or reset (repeating), so nothing that fired is lost.
//
// Script texts may register events, remove them (a collision condition
// whose object a text deletes takes its entry with it) or delete the
// objects events test, all while the walk is under way: entries added
// during a walk are reached in the same walk, entries removed are only
// marked and swept after it.
#pragma once

#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "game/level/condition.h"
#include "game/utility/heldtext.h"

namespace Kest {

class EventManager {
 public:
  // Runs an event's script text; the level's script engine by default.
  // False when the text did not run and must wait for a later pass.
  using TextRunner = std::function<bool(const std::string& text)>;

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
  int GetEventCount() const { return static_cast<int>(places_.size()); }
  // The events whose texts wait for a later pass.
  int GetWaitingCount() const { return static_cast<int>(waiting_.size()); }

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
    bool waiting = false;  // its text waits in the queue
    unsigned ranInPass = 0;
  };
  using Entries = std::list<Entry>;

  EventManager();
  // Runs the texts that waited, in order, while the pass affords them.
  void RunWaiting();
  void Test(Entries::iterator entry);
  // False when the text must wait.
  bool Run(Entries::iterator entry);
  void Finish(Entries::iterator entry);
  // Forgets the entry's condition; its node stays until it is unlinked.
  void Detach(Entries::iterator entry);
  void DeleteCondition(Condition* condition);
  // The object is being deleted: the events that read it go.
  void OnArgumentDeleted(const Object* object);
  void Sweep();

  // In registration order: a walk reaches entries added during it. Removed
  // entries are nulled, and unlinked once no walk or queue holds them.
  Entries entries_;
  std::unordered_map<const Condition*, Entries::iterator> places_;
  std::deque<Entries::iterator> waiting_;
  bool walking_ = false;
  unsigned pass_ = 0;
  TimeUpCondition* timeUp_ = nullptr;
  bool timeUpRegistered_ = false;
  bool refusedPastCap_ = false;
  std::unique_ptr<ArgumentWatch> argumentWatch_;
  TextRunner runText_;
};

}  // namespace Kest
