#include "game/level/variabletrigger.h"

#include "game/screens/debugconsole.h"

namespace Kest {

VariableTriggerCondition::VariableTriggerCondition(const std::string& name,
                                                   const std::string& expected)
    : VariableObserver(name), expected_(expected) {}

// One deleted before its change came must not stay on the manager's list.
VariableTriggerCondition::~VariableTriggerCondition() {
  if (VariableManager* variables = VariableManager::GetInstance()) variables->RemoveObserver(this);
}

bool VariableTriggerCondition::IsSatisfied(Object*) { return triggered_; }

void VariableTriggerCondition::OnVariableChanged(const std::string& value) {
  if (!expected_.empty() && value != expected_.str()) return;
  triggered_ = true;
  DebugConsole::Log("Event: Variable " + expected_.str());
  if (VariableManager* variables = VariableManager::GetInstance()) variables->RemoveObserver(this);
}

}  // namespace Kest
