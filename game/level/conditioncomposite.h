// Holds when every member holds for the event's argument, asked in the
// order added and stopping at the first that does not; an empty composite
// always holds. The composite owns its members; they keep their own state
// (a composite is never reset).
#pragma once

#include <vector>

#include "game/level/condition.h"

namespace Kest {

class ConditionComposite : public Condition {
 public:
  // Composites inside composites, counting the outermost: deeper trees are
  // refused, so that testing and deleting one never runs out of stack.
  static constexpr int kMostLevels = 64;

  ConditionComposite() = default;
  ~ConditionComposite() override;

  bool IsSatisfied(Object* argument) override;
  // When any member does.
  bool ReadsArgument() const override;
  // The composite owns the member from then on. Refused with a log line
  // (false): null; a composite that is in a composite already, is this
  // one, or holds it (it would own its own owner); and one that would make
  // the tree deeper than kMostLevels. Whether a plain condition has
  // another owner is for the caller to know.
  bool Add(Condition* member);
  int GetMemberCount() const { return static_cast<int>(members_.size()); }

 private:
  bool IsInside(const ConditionComposite* composite) const;
  // Levels of composites below the member, this one included.
  static int LevelsOf(const Condition* member);

  std::vector<Condition*> members_;
  ConditionComposite* parent_ = nullptr;
  int levels_ = 1;
};

}  // namespace Kest
