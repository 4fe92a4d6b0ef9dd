// The event manager's update, as the main loop runs it after every physics
// step, with 200 registered events: 40 each of a threshold on an object's
// position, a box, a variable trigger, a flip and a composite of two
// thresholds. While none holds the update only asks the conditions; in the
// second benchmark 20 repeating events hold and run their (empty) script
// texts in the level's script state every time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "game/bike/bikeobserver.h"
#include "game/level/bikecondition.h"
#include "game/level/conditioncomposite.h"
#include "game/level/eventmanager.h"
#include "game/level/objectconditions.h"
#include "game/level/variablemanager.h"
#include "game/level/variabletrigger.h"
#include "game/objects/circle.h"
#include "script/scriptmanager.h"

namespace {

constexpr int kEvents = 200;
constexpr int kKinds = 5;

class TwoHundredEvents {
 public:
  // `holding` of the events are repeating ones that hold.
  explicit TwoHundredEvents(int holding) {
    Kest::EventManager::Create();
    Kest::VariableManager::Create();
    Kest::ScriptManager::Create();
    const char* const script = "bench-events.lua";
    std::ofstream(script) << "count = 0\n";
    Kest::ScriptManager::GetInstance()->LoadScript(script);
    std::remove(script);
    for (int i = 0; i < kEvents; ++i) {
      const bool holds = i < holding;
      Add(i % kKinds, holds);
    }
  }
  ~TwoHundredEvents() {
    Kest::EventManager::Destroy();
    Kest::ScriptManager::Destroy();
    Kest::VariableManager::Destroy();
  }

  void Update() { Kest::EventManager::GetInstance()->Update(); }

 private:
  void Add(int kind, bool holds) {
    Kest::EventManager& events = *Kest::EventManager::GetInstance();
    Kest::Object* argument = object_.get();
    Kest::Condition* condition = nullptr;
    switch (holds ? 0 : kind) {
      case 0:
        condition = new Kest::ConditionObjectXGreater(holds ? 0.0f : 1000.0f);
        break;
      case 1:
        condition = new Kest::ConditionObjectBox(500.0f, 0.0f, 600.0f, 100.0f);
        break;
      case 2: {
        auto* trigger = new Kest::VariableTriggerCondition("gate", "open");
        Kest::VariableManager::GetInstance()->AddObserver(trigger);
        condition = trigger;
        argument = nullptr;
        break;
      }
      case 3:
        condition = new Kest::BikeCondition(Kest::BikeObserver::kFlip);
        argument = nullptr;
        break;
      default: {
        auto* composite = new Kest::ConditionComposite();
        composite->Add(new Kest::ConditionObjectXLess(0.0f));
        composite->Add(new Kest::ConditionObjectYGreater(0.0f));
        condition = composite;
      }
    }
    events.AddEvent(argument, condition, "", !holds);
  }

  std::unique_ptr<Kest::Object> object_{new Kest::Circle(100.0f, 50.0f, 10.0f, "", false)};
};

void UpdateWithNoEventHolding(benchmark::State& state) {
  TwoHundredEvents events(0);
  for (auto _ : state) events.Update();
}
BENCHMARK(UpdateWithNoEventHolding)->Unit(benchmark::kMicrosecond);

void UpdateWithTwentyEventsRunningTheirTexts(benchmark::State& state) {
  TwoHundredEvents events(20);
  for (auto _ : state) events.Update();
}
BENCHMARK(UpdateWithTwentyEventsRunningTheirTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
