#include "game/level/eventmanager.h"

#include <algorithm>
#include <unordered_set>

#include "game/bike/bike.h"
#include "game/objects/object.h"
#include "game/utility/utility.h"
#include "script/scriptmanager.h"

namespace Kest {

namespace {

std::unique_ptr<EventManager> instance;

void RunInScriptEngine(const std::string& text) {
  if (ScriptManager* engine = ScriptManager::GetInstance()) engine->RunString(text);
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
  const auto same = [condition](const Entry& entry) { return entry.condition == condition; };
  if (std::any_of(entries_.begin(), entries_.end(), same)) {
    Log("AddEvent: the condition has an event already");
    return false;
  }
  entries_.push_back(Entry{argument, condition, text, once});
  if (argument) argumentWatch_->Watch(argument);
  return true;
}

void EventManager::Update() {
  walking_ = true;
  for (std::size_t i = 0; i < entries_.size(); ++i) RunEntry(i);
  walking_ = false;
  Sweep();
}

// The entry is read by its index each time: a text that registers events
// may move the list in memory.
void EventManager::RunEntry(std::size_t index) {
  Condition* condition = entries_[index].condition;
  if (!condition || !condition->IsSatisfied(entries_[index].argument)) return;
  const std::string text = entries_[index].text;
  runText_(text);
  Finish(index);
}

// Nothing to do when the text removed its own event.
void EventManager::Finish(std::size_t index) {
  Entry& entry = entries_[index];
  Condition* condition = entry.condition;
  if (!condition) return;
  if (!entry.once) {
    condition->Reset();
    return;
  }
  entry.condition = nullptr;
  DeleteCondition(condition);
}

bool EventManager::Remove(Condition* condition) {
  if (!condition) return false;
  const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                  [condition](const Entry& e) { return e.condition == condition; });
  if (entry == entries_.end()) return false;
  entry->condition = nullptr;
  if (!walking_) Sweep();
  return true;
}

void EventManager::Clear() {
  for (Entry& entry : entries_) {
    Condition* condition = entry.condition;
    entry.condition = nullptr;
    DeleteCondition(condition);
  }
  // No event is left to lose its object: the objects go unheard.
  argumentWatch_.reset(new ArgumentWatch(*this));
  timeUpRegistered_ = false;
  refusedPastCap_ = false;
  if (!walking_) Sweep();
}

int EventManager::GetEventCount() const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [](const Entry& entry) { return entry.condition; }));
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
  for (Entry& entry : entries_) {
    if (entry.argument != object || !entry.condition) continue;
    if (!entry.condition->ReadsArgument()) {
      entry.argument = nullptr;
      continue;
    }
    Condition* condition = entry.condition;
    entry.condition = nullptr;
    DeleteCondition(condition);
  }
  if (!walking_) Sweep();
}

void EventManager::Sweep() {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [](const Entry& entry) { return !entry.condition; }),
                 entries_.end());
}

}  // namespace Kest
