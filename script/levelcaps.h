// The caps on what a level's script makes (game/utility/livecount.h),
// applied where the script makes it: past its family's cap, what the script
// makes is deleted at once and the script gets nil. Composite parts and
// objectives have caps of their own: past them the call adds nothing. The
// first refusal of a level is logged, not every one.
#pragma once

#include <cstddef>

#include "game/utility/livecount.h"

namespace Kest {

class Condition;
class LevelCondition;
class Object;

// The parts of all composites at once: each is placed at every step.
constexpr std::size_t kMostParts = kMostAlive;
// The goals of a level: the objectives window shows a dozen.
constexpr std::size_t kMostObjectives = 1000;

// False, with the value deleted, when it takes its family past the cap.
bool AdmitsMade(Object* object);
bool AdmitsMade(Condition* condition);
bool AdmitsMade(LevelCondition* condition);
// False when the level holds kMostParts parts already.
bool AdmitsPart();
// False when the level has kMostObjectives goals already.
bool AdmitsObjective(std::size_t goals);

// True at the first call of each level: for logging a refusal once.
class OncePerLevel {
 public:
  bool First();

 private:
  unsigned level_ = 0;
  bool called_ = false;
};

}  // namespace Kest
