#include "game/level/objectconditions.h"

#include "game/screens/debugconsole.h"

namespace Kest {

bool ConditionObjectThreshold::IsSatisfied(Object* argument) {
  const ol::Vec2 centre = GetObjectCenter(argument);
  const float value = axis_ == kX ? centre.x : centre.y;
  const bool holds = greater_ ? value > threshold_ : value < threshold_;
  if (holds) DebugConsole::Log(consoleLine_);
  return holds;
}

bool ConditionObjectBox::IsSatisfied(Object* argument) {
  const ol::Vec2 centre = GetObjectCenter(argument);
  return x1_ < centre.x && centre.x < x2_ && y1_ < centre.y && centre.y < y2_;
}

}  // namespace Kest
