// Small reads and writes on the solver bodies of the bike's and the rider's
// parts, all of them dynamic level objects.
#pragma once

#include <ode/ode.h>

#include "tessora/vec2.h"

namespace Kest {

class Object;

dBodyID BodyOf(const Object& part);
// The centre of the part's physics shape.
Tessora::Vec2 PositionOf(const Object& part);
// No velocity, turning speed, force or torque left.
void StopMotion(const Object& part);

}  // namespace Kest
