#include "script/levelcaps.h"

#include <string>

#include "game/level/condition.h"
#include "game/level/levelcondition.h"
#include "game/objects/composite.h"
#include "game/objects/object.h"
#include "game/objects/resourcemanager.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

bool Refuse(OncePerLevel& once, const char* what, std::size_t cap) {
  if (once.First()) {
    Log("The level holds the most " + std::string(what) + " it may (" + std::to_string(cap) +
        "): the script makes no more");
  }
  return false;
}

template <class Family>
bool Admits(Family* value, const char* family) {
  if (!Family::IsPastCap()) return true;
  delete value;
  static OncePerLevel once;
  return Refuse(once, family, kMostAlive);
}

}  // namespace

// Every level load makes a new resource manager.
bool OncePerLevel::First() {
  const unsigned level = ResourceManager::GetGeneration();
  const bool first = !called_ || level_ != level;
  called_ = true;
  level_ = level;
  return first;
}

bool AdmitsMade(Object* object) { return Admits(object, "objects"); }

bool AdmitsMade(Condition* condition) { return Admits(condition, "conditions"); }

bool AdmitsMade(LevelCondition* condition) { return Admits(condition, "level conditions"); }

bool AdmitsPart() {
  if (Composite::GetLivePartCount() < kMostParts) return true;
  static OncePerLevel once;
  return Refuse(once, "composite parts", kMostParts);
}

bool AdmitsObjective(std::size_t goals) {
  if (goals < kMostObjectives) return true;
  static OncePerLevel once;
  return Refuse(once, "objectives", kMostObjectives);
}

}  // namespace Kest
