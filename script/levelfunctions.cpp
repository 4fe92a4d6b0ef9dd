#include "script/levelfunctions.h"

#include <climits>

#include "game/bike/bike.h"
#include "game/level/level.h"
#include "game/level/levelcondition.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
#include "game/screens/objectiveswindow.h"
#include "game/utility/utility.h"
#include "script/arguments.h"
#include "script/levelcaps.h"
#include "script/ownership.h"
#include "script/scriptmanager.h"
#include "script/workcharges.h"

namespace Kest {
namespace ScriptApi {

Bike* GetBike() { return Bike::GetInstance(); }

Level* GetLevel() { return Level::GetInstance(); }

VariableCondition* CreateVariableCondition(const std::string& name) {
  ScriptOwnership* ownership = ScriptManager::GetInstance()->GetOwnership();
  return ownership->Made(new VariableCondition(name));
}

void SetVariable(const std::string& name) {
  if (VariableManager* variables = VariableManager::GetInstance()) variables->SetVariable(name);
}

void SetVariable(const std::string& name, const std::string& value) {
  if (VariableManager* variables = VariableManager::GetInstance()) {
    variables->SetVariable(name, value);
  }
}

// A value that does not start with a number counts as 0.
void IncreaseVariable(const std::string& name) {
  VariableManager* variables = VariableManager::GetInstance();
  if (!variables) return;
  const std::string value = variables->GetVariable(name);
  if (value.empty()) return;
  const int number = StringToInt(value);
  variables->SetVariable(name, ToString(number == INT_MAX ? number : number + 1));
}

void SetLevelTime(double seconds) {
  if (TimerManager* timers = TimerManager::GetInstance()) {
    timers->SetLevelTime(TimerManager::TicksFromSeconds(ScriptArguments::ToInt(seconds)));
  }
}

// Even an empty goal takes memory: the goals are counted as well as their
// text.
void AddObjective(const char* text) {
  ChargeCall();
  ObjectivesWindow* goals = ObjectivesWindow::GetInstance();
  if (text && goals && AdmitsObjective(goals->GetObjectives().size())) goals->AddObjective(text);
}

void RestartLevel() {
  if (ScriptManager::GetInstance()->IsRunningLevelScript()) {
    Log("RestartLevel: ignored while the level script runs");
    return;
  }
  if (Bike* bike = Bike::GetInstance()) bike->RestartLevel();
}

}  // namespace ScriptApi
}  // namespace Kest
