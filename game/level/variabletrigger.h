// Holds once a script variable has been set, to any value or to the
// expected one. It reacts to one such change only: at the first it stops
// listening to the variables.
#pragma once

#include <string>

#include "game/level/condition.h"
#include "game/level/variablemanager.h"

namespace Kest {

class VariableTriggerCondition : public Condition, public VariableObserver {
 public:
  // An empty expected value accepts any value. Whoever makes the condition
  // adds it to the variable manager's observers.
  VariableTriggerCondition(const std::string& name, const std::string& expected);
  ~VariableTriggerCondition() override;

  bool IsSatisfied(Object* argument) override;
  void Reset() override { triggered_ = false; }
  void OnVariableChanged(const std::string& value) override;

 private:
  HeldText expected_;
  bool triggered_ = false;
};

}  // namespace Kest
