// Decorations lit by the bike: the nearer the bike, the brighter.
#pragma once

#include "render/vec2.h"

namespace Kest {

// How far the point lies from the bike's position; infinite while there is
// no bike, so that everything stays dark.
float DistanceFromBike(const ol::Vec2& point);

// 255 less the distance, whole units dropped toward zero, down to 0 from
// 255 units away.
int Brightness(float distance);

}  // namespace Kest
