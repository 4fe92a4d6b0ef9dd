#include "game/level/levelcondition.h"

#include "game/level/variablemanager.h"
#include "game/objects/deletionhook.h"

namespace Kest {

LevelCondition::~LevelCondition() { ReportDeletion(this); }

bool VariableCondition::IsSatisfied() {
  const VariableManager* variables = VariableManager::GetInstance();
  return variables && variables->HasVariable(name_);
}

}  // namespace Kest
