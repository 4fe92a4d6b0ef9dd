#include "game/level/conditioncomposite.h"

#include <algorithm>

#include "game/utility/utility.h"

namespace Kest {

ConditionComposite::~ConditionComposite() {
  for (Condition* member : members_) delete member;
}

bool ConditionComposite::IsSatisfied(Object* argument) {
  return std::all_of(members_.begin(), members_.end(),
                     [argument](Condition* member) { return member->IsSatisfied(argument); });
}

bool ConditionComposite::ReadsArgument() const {
  return std::any_of(members_.begin(), members_.end(),
                     [](const Condition* member) { return member->ReadsArgument(); });
}

bool ConditionComposite::Add(Condition* member) {
  auto* composite = dynamic_cast<ConditionComposite*>(member);
  const char* refusal = nullptr;
  if (!member) {
    refusal = "no condition to add";
  } else if (composite && composite->parent_) {
    refusal = "the composite is in a composite already";
  } else if (composite && IsInside(composite)) {
    refusal = "a composite cannot hold itself";
  }
  // The outermost composite above this one gains the most levels.
  int levels = LevelsOf(member) + 1;
  for (const ConditionComposite* above = this; !refusal && above; above = above->parent_) {
    if (levels++ > kMostLevels) refusal = "composites are nested too deep";
  }
  if (refusal) {
    Log(std::string("ConditionComposite: ") + refusal);
    return false;
  }
  members_.push_back(member);
  if (composite) composite->parent_ = this;
  levels = LevelsOf(member) + 1;
  for (ConditionComposite* above = this; above && above->levels_ < levels; above = above->parent_) {
    above->levels_ = levels++;
  }
  return true;
}

bool ConditionComposite::IsInside(const ConditionComposite* composite) const {
  for (const ConditionComposite* above = this; above; above = above->parent_) {
    if (above == composite) return true;
  }
  return false;
}

int ConditionComposite::LevelsOf(const Condition* member) {
  const auto* composite = dynamic_cast<const ConditionComposite*>(member);
  return composite ? composite->levels_ : 0;
}

}  // namespace Kest
