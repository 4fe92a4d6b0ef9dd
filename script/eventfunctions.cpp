#include "script/eventfunctions.h"

#include "game/bike/bike.h"
#include "game/bike/bikeobserver.h"
#include "game/level/bikecondition.h"
#include "game/level/eventmanager.h"
#include "game/level/timeelapsed.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
#include "game/level/variabletrigger.h"
#include "game/utility/utility.h"
#include "script/arguments.h"
#include "script/conditionmakers.h"
#include "script/handover.h"
#include "script/levelcaps.h"

namespace Kest {
namespace ScriptApi {

namespace {

// A condition made here goes to the event manager at once, or nowhere.
void AddEvent(Object* object, Condition* condition, const std::string& text, bool once) {
  if (!condition) return;
  EventManager* events = EventManager::GetInstance();
  if (!events || !events->AddEvent(object, condition, text, once)) delete condition;
}

void AddThresholdEvent(const char* function, Threshold kind, Object* object, double value,
                       const std::string& text) {
  AddEvent(object, MakeThresholdCondition(function, kind, value), text, true);
}

void AddBikeEvent(int kind, const std::string& text, bool once) {
  AddEvent(nullptr, new BikeCondition(kind), text, once);
}

}  // namespace

void EventXGreater(Object* object, double x, const std::string& text) {
  AddThresholdEvent("EventXGreater", Threshold::kXGreater, object, x, text);
}

void EventYGreater(Object* object, double y, const std::string& text) {
  AddThresholdEvent("EventYGreater", Threshold::kYGreater, object, y, text);
}

void EventXLess(Object* object, double x, const std::string& text) {
  AddThresholdEvent("EventXLess", Threshold::kXLess, object, x, text);
}

void EventYLess(Object* object, double y, const std::string& text) {
  AddThresholdEvent("EventYLess", Threshold::kYLess, object, y, text);
}

void EventBox(Object* object, double x1, double y1, double x2, double y2,
              const std::string& text) {
  AddEvent(object, MakeBoxCondition("EventBox", x1, y1, x2, y2), text, true);
}

void EventFlipped(const std::string& text) { AddBikeEvent(BikeObserver::kFlip, text, true); }

void EventCollision(Object* object, Object* other, const std::string& text) {
  AddEvent(nullptr, MakeCollisionCondition("EventCollision", object, other), text, true);
}

void EventFrontWheelCollision(Object* object, const std::string& text, bool once) {
  if (Bike* bike = Bike::GetInstance()) bike->SetFrontWheelTarget(object);
  AddBikeEvent(BikeObserver::kFrontWheelCollision, text, once);
}

void EventFrontWheelCollisionTarget(Object* object, const std::string& text, bool once) {
  if (Bike* bike = Bike::GetInstance()) {
    bike->SetFrontWheelTarget(object);
    bike->SetFrontWheelExceptTarget(false);
  }
  AddBikeEvent(BikeObserver::kFrontWheelCollision, text, once);
}

void EventRearWheelCollision(Object* object, const std::string& text, bool once) {
  if (Bike* bike = Bike::GetInstance()) bike->SetRearWheelTarget(object);
  AddBikeEvent(BikeObserver::kRearWheelCollision, text, once);
}

void EventVariableTriggered(const std::string& name, const std::string& text) {
  EventVariableTriggered(name, std::string(), text);
}

void EventVariableTriggered(const std::string& name, const std::string& value,
                            const std::string& text) {
  auto* condition = new VariableTriggerCondition(name, value);
  if (!AdmitsMade(static_cast<Condition*>(condition))) return;
  if (VariableManager* variables = VariableManager::GetInstance()) {
    variables->AddObserver(condition);
  }
  AddEvent(nullptr, condition, text, true);
}

void RegisterEvent(Object* object, Condition* condition, const std::string& text) {
  RegisterEvent(object, condition, text, true);
}

void RegisterEvent(Object* object, Condition* condition, const std::string& text, bool once) {
  EventManager* events = EventManager::GetInstance();
  if (!condition || !events) {
    Log("RegisterEvent: no condition to register");
    return;
  }
  HandOver(condition, "RegisterEvent",
           [&] { return events->AddEvent(object, condition, text, once); });
}

void RegisterTimerEvent(double seconds, const std::string& text) {
  RegisterTimerEvent(std::string(), seconds, text);
}

void RegisterTimerEvent(const std::string& name, double seconds, const std::string& text) {
  TimerManager* timers = TimerManager::GetInstance();
  if (!timers) return;
  const unsigned ticks = TimerManager::TicksFromSeconds(ScriptArguments::ToInt(seconds));
  timers->AddTimer(new TimeElapsedCondition(ticks, text), name);
}

void RegisterTimeUpEvent(const std::string& text) {
  if (EventManager* events = EventManager::GetInstance()) events->SetTimeUpEvent(text);
}

void RestartTimer(const std::string& name) {
  TimerManager* timers = TimerManager::GetInstance();
  if (TimeElapsedCondition* timer = timers ? timers->FindTimer(name) : nullptr) timer->Restart();
}

}  // namespace ScriptApi
}  // namespace Kest
