// The bike's figures on the debug console, written after every step.
#include "game/bike/bike.h"
#include "game/screens/debugconsole.h"

namespace Kest {

void Bike::ShowOnConsole() const {
  DebugConsole* console = DebugConsole::GetInstance();
  if (!console) return;
  const Tessora::Vec2 position = GetPosition();
  console->figures.positionX = position.x;
  console->figures.positionY = position.y;
  console->figures.speed = motorSpeed_;
  console->figures.wheelie = frontWheelAirborne_;
}

}  // namespace Kest
