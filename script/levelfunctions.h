// The script functions that reach the level, the bike and the variables:
// variables and level conditions, the level time, objectives and restarts.
#pragma once

#include <string>

namespace Kest {

class Bike;
class Level;
class VariableCondition;

namespace ScriptApi {

Bike* GetBike();
Level* GetLevel();
// A level condition that holds once the variable exists; nobody owns it
// until the script adds it to the level.
VariableCondition* CreateVariableCondition(const std::string& name);
// The variable = "1", or the value.
void SetVariable(const std::string& name);
void SetVariable(const std::string& name, const std::string& value);
// A variable holding a number goes up by one; a missing or empty one
// stays as it is.
void IncreaseVariable(const std::string& name);
// The level time for the next play, in whole seconds (negative counts as
// none; more than the countdown holds as its most).
void SetLevelTime(double seconds);
// Ignored for nil.
void AddObjective(const char* text);
// The main loop reloads the level. Asked for while the level script itself
// runs, it is ignored: the reload would run the script, and so on forever.
void RestartLevel();

}  // namespace ScriptApi
}  // namespace Kest
