#include "script/levelfunctions.h"

#include <algorithm>
#include <climits>
#include <limits>

#include "game/bike/bike.h"
#include "game/level/level.h"
#include "game/level/levelcondition.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
#include "game/utility/utility.h"
#include "script/arguments.h"
#include "script/ownership.h"
#include "script/scriptmanager.h"

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

// Negative times count as none; more than the countdown can hold as its end.
void SetLevelTime(double seconds) {
  TimerManager* timers = TimerManager::GetInstance();
  if (!timers) return;
  const int whole = std::max(ScriptArguments::ToInt(seconds), 0);
  const unsigned most = std::numeric_limits<unsigned>::max() / 100u;
  timers->SetLevelTime(std::min(static_cast<unsigned>(whole), most) * 100u);
}

void AddObjective(const char* text) {
  if (text) Level::GetInstance()->AddObjective(text);
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
