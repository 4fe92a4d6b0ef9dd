#include "script/levelcaps.h"

#include <string>

#include "game/level/condition.h"
#include "game/level/levelcondition.h"
#include "game/objects/object.h"
#include "game/objects/resourcemanager.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

// Every level load makes a new resource manager.
template <class Family>
bool Admits(Family* value, const char* family) {
  if (!Family::IsPastCap()) return true;
  delete value;
  static unsigned loggedIn = 0;
  static bool logged = false;
  const unsigned level = ResourceManager::GetGeneration();
  if (!logged || loggedIn != level) {
    Log("The level holds the most " + std::string(family) + " it may (" +
        std::to_string(kMostAlive) + "): the script makes no more");
  }
  logged = true;
  loggedIn = level;
  return false;
}

}  // namespace

bool AdmitsMade(Object* object) { return Admits(object, "objects"); }

bool AdmitsMade(Condition* condition) { return Admits(condition, "conditions"); }

bool AdmitsMade(LevelCondition* condition) { return Admits(condition, "level conditions"); }

}  // namespace Kest
