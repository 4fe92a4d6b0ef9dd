// What a level needs done before it is finished. Level scripts make these
// and hand them to the level, which owns them from then on.
#pragma once

#include <string>

#include "game/utility/heldtext.h"
#include "game/utility/livecount.h"

namespace Kest {

class LevelCondition : public LiveCount<LevelCondition> {
 public:
  LevelCondition() = default;
  // Scripts may still hold the condition: they are told before it goes.
  virtual ~LevelCondition();
  LevelCondition(const LevelCondition&) = delete;
  LevelCondition& operator=(const LevelCondition&) = delete;

  virtual bool IsSatisfied() = 0;
};

// Holds once a script variable of that name exists, whatever its value.
class VariableCondition : public LevelCondition {
 public:
  explicit VariableCondition(std::string name) : name_(std::move(name)) {}

  bool IsSatisfied() override;
  const std::string& GetName() const { return name_; }

 private:
  HeldText name_;
};

}  // namespace Kest
