#include "tessora/object.h"

#include <cmath>

namespace Tessora {

namespace {
constexpr float kRadiansPerDegree = 0.017453292f;
}

Object::Object() : surface(defaultSurfaceProperties) {}

// A body notifies its object of the move, which brings the shape along.
void Object::SetPosition(const Vec2& position) {
  GetShape()->SetPosition(position);
  if (dBodyID body = GetBody()) {
    dBodySetPosition(body, position.x, position.y, 0.0f);
  } else {
    GetShape()->Update();
  }
}

void Object::SetAngle(float degrees) {
  const float a = degrees * kRadiansPerDegree;
  GetShape()->SetOrientation(Vec2(std::cos(a), std::sin(a)));
  if (dBodyID body = GetBody()) {
    dMatrix3 rotation;
    dRFromAxisAndAngle(rotation, 0.0f, 0.0f, 1.0f, a);
    dBodySetRotation(body, rotation);
  } else {
    GetShape()->Update();
  }
}

// The body's x axis (the first column of its rotation) is the shape's
// orientation. A composite turns about its old position before it moves.
void Object::UpdateFromBody() {
  const dBodyID body = GetBody();
  const dReal* r = dBodyGetRotation(body);
  const dReal* p = dBodyGetPosition(body);
  Shape* shape = GetShape();
  shape->SetOrientation(Vec2(r[0], r[4]));
  shape->SetPosition(Vec2(p[0], p[1]));
  shape->Update();
}

}  // namespace Tessora
