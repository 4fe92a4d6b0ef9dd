#include "game/level/eventmanager.h"

#include <unordered_set>
#include <utility>

#include "game/bike/bike.h"
#include "game/objects/object.h"
#include "game/utility/utility.h"
#include "script/scriptmanager.h"

namespace Kest {

namespace {

std::unique_ptr<EventManager> instance;

// Without an engine there is nothing to wait for.
bool RunInScriptEngine(const std::string& text) {
  ScriptManager* engine = ScriptManager::GetInstance();
  if (!engine) return true;
  engine->RunString(text);
  return !engine->WasSkipped();
}

}  // namespace

// Holds from the moment the level time runs out.
class EventManager::TimeUpCondition : public Condition {
 public:
  bool IsSatisfied(Object*) override { return timeUp_; }
  void Set() { timeUp_ = true; }

 private:
  bool timeUp_ = false;
};

// Observes the objects that events test, so that an event never tests an
// object that is gone. Stops observing the ones still there when it goes.
class EventManager::ArgumentWatch : public ObjectObserver {
 public:
  explicit ArgumentWatch(EventManager& events) : events_(events) {}
  ~ArgumentWatch() override {
    for (Object* object : watched_) object->RemoveObserver(this);
  }

  void Watch(Object* object) {
    if (watched_.insert(object).second) object->AddObserver(this);
  }

  void OnCollision(int kind, Object* object) override {
    if (kind != kDestroyed) return;
    object->RemoveObserver(this);
    watched_.erase(object);
    events_.OnArgumentDeleted(object);
  }

 private:
  EventManager& events_;
  std::unordered_set<Object*> watched_;
};

void EventManager::Create() {
  Destroy();
  instance.reset(new EventManager());
}

void EventManager::Destroy() { instance.reset(); }

EventManager* EventManager::GetInstance() { return instance.get(); }

EventManager::EventManager()
    : argumentWatch_(new ArgumentWatch(*this)), runText_(&RunInScriptEngine) {}

EventManager::~EventManager() { Clear(); }

bool EventManager::AddEvent(Object* argument, Condition* condition, const std::string& text,
                            bool once) {
  if (!condition) {
    Log("AddEvent: no condition");
    return false;
  }
  if (Condition::IsPastCap()) {
    if (!refusedPastCap_) Log("AddEvent: the level holds the most conditions it may");
    refusedPastCap_ = true;
    return false;
  }
  if (places_.count(condition)) {
    Log("AddEvent: the condition has an event already");
    return false;
  }
  places_.emplace(condition, entries_.insert(entries_.end(), Entry{argument, condition, text, once}));
  if (argument) argumentWatch_->Watch(argument);
  return true;
}

void EventManager::Update() {
  walking_ = true;
  ++pass_;
  RunWaiting();
  for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) Test(entry);
  walking_ = false;
  Sweep();
}

void EventManager::RunWaiting() {
  while (!waiting_.empty()) {
    const auto entry = waiting_.front();
    if (entry->condition && !Run(entry)) return;
    waiting_.pop_front();
    entry->waiting = false;
    Finish(entry);
  }
}

// Once a text waits, every text fired after it waits behind it. An event
// whose text ran from the queue in this pass is not tested again in it.
void EventManager::Test(Entries::iterator entry) {
  if (!entry->condition || entry->waiting || entry->ranInPass == pass_) return;
  if (!entry->condition->IsSatisfied(entry->argument)) return;
  if (!waiting_.empty() || !Run(entry)) {
    entry->waiting = true;
    waiting_.push_back(entry);
    return;
  }
  Finish(entry);
}

// The text is copied: the text it runs may remove its own event.
bool EventManager::Run(Entries::iterator entry) {
  const std::string text = entry->text;
  if (!runText_(text)) return false;
  entry->ranInPass = pass_;
  return true;
}

// Nothing to do when the text removed its own event.
void EventManager::Finish(Entries::iterator entry) {
  Condition* condition = entry->condition;
  if (!condition) return;
  if (!entry->once) {
    condition->Reset();
    return;
  }
  Detach(entry);
  DeleteCondition(condition);
}

bool EventManager::Remove(Condition* condition) {
  const auto place = places_.find(condition);
  if (place == places_.end()) return false;
  const auto entry = place->second;
  Detach(entry);
  if (!walking_ && !entry->waiting) entries_.erase(entry);
  return true;
}

void EventManager::Detach(Entries::iterator entry) {
  places_.erase(entry->condition);
  entry->condition = nullptr;
}

// The conditions are forgotten before they go: none can find its entry
// from its destructor.
void EventManager::Clear() {
  places_.clear();
  for (Entry& entry : entries_) DeleteCondition(std::exchange(entry.condition, nullptr));
  // No event is left to lose its object: the objects go unheard.
  argumentWatch_.reset(new ArgumentWatch(*this));
  timeUpRegistered_ = false;
  refusedPastCap_ = false;
  if (walking_) return;
  waiting_.clear();
  entries_.clear();
}

void EventManager::SetTimeUpEvent(const std::string& text) {
  if (timeUpRegistered_) return;
  timeUpRegistered_ = true;
  timeUp_ = new TimeUpCondition();
  if (!AddEvent(nullptr, timeUp_, text, true)) DeleteCondition(timeUp_);
}

// A time-up event that has run already has nothing more to say.
void EventManager::OnTimeUp() {
  if (timeUp_) {
    timeUp_->Set();
  } else if (!timeUpRegistered_) {
    if (Bike* bike = Bike::GetInstance()) bike->RestartLevel();
  }
}

void EventManager::DeleteCondition(Condition* condition) {
  if (condition == timeUp_) timeUp_ = nullptr;
  delete condition;
}

// Only the events that would read the object go; the others keep firing
// without it.
void EventManager::OnArgumentDeleted(const Object* object) {
  for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
    if (entry->argument != object || !entry->condition) continue;
    if (!entry->condition->ReadsArgument()) {
      entry->argument = nullptr;
      continue;
    }
    Condition* condition = entry->condition;
    Detach(entry);
    DeleteCondition(condition);
  }
  if (!walking_) Sweep();
}

// A node still in the queue is unlinked once the queue lets it go.
void EventManager::Sweep() {
  entries_.remove_if([](const Entry& entry) { return !entry.condition && !entry.waiting; });
}

}  // namespace Kest
