#include "game/objects/bikelight.h"

#include <limits>

#include "game/bike/bike.h"

namespace Kest {

float DistanceFromBike(const ol::Vec2& point) {
  const Bike* bike = Bike::GetInstance();
  if (!bike) return std::numeric_limits<float>::infinity();
  const Tessora::Vec2 position = bike->GetPosition();
  return (point - ol::Vec2(position.x, position.y)).Length();
}

// NaN counts as far.
int Brightness(float distance) {
  return distance < 255.0f ? 255 - static_cast<int>(distance) : 0;
}

}  // namespace Kest
