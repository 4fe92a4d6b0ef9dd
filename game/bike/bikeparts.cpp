#include "game/bike/bikeparts.h"

#include "game/objects/object.h"
#include "tessora/object.h"

namespace Kest {

dBodyID BodyOf(const Object& part) { return part.GetBody()->GetBody(); }

Tessora::Vec2 PositionOf(const Object& part) { return part.GetBody()->GetShape()->GetPosition(); }

void StopMotion(const Object& part) {
  const dBodyID body = BodyOf(part);
  dBodySetLinearVel(body, 0.0f, 0.0f, 0.0f);
  dBodySetAngularVel(body, 0.0f, 0.0f, 0.0f);
  dBodySetForce(body, 0.0f, 0.0f, 0.0f);
  dBodySetTorque(body, 0.0f, 0.0f, 0.0f);
}

}  // namespace Kest
