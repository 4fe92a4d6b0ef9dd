// The caps on what a level's script makes (game/utility/livecount.h),
// applied where the script makes it: past its family's cap, what the script
// makes is deleted at once and the script gets nil. The first refusal of a
// level is logged, not every one.
#pragma once

namespace Kest {

class Condition;
class LevelCondition;
class Object;

// False, with the value deleted, when it takes its family past the cap.
bool AdmitsMade(Object* object);
bool AdmitsMade(Condition* condition);
bool AdmitsMade(LevelCondition* condition);

}  // namespace Kest
