#include "game/objects/bodyobject.h"

#include <cmath>

#include "game/app/app.h"
#include "tessora/dynamic.h"
#include "tessora/static.h"
#include "tessora/world.h"

namespace Kest {

namespace {
Tessora::World* handedIn = nullptr;
}  // namespace

Tessora::World& GetPhysicsWorld() {
  return handedIn ? *handedIn : *GetApplication()->GetWorld();
}

void SetPhysicsWorld(Tessora::World* world) { handedIn = world; }

float GetDrawAngle(const Tessora::Object& physics) {
  dBodyID body = physics.GetBody();
  if (!body) {
    // Only a script turns a static object, and its shape keeps the turn.
    const Tessora::Vec2& orientation = physics.GetShape()->GetOrientation();
    return std::atan2(orientation.y, orientation.x);
  }
  const dReal* rotation = dBodyGetRotation(body);
  return -std::atan2(rotation[1], rotation[0]);
}

BodyObject::~BodyObject() = default;

void BodyObject::BlitTexture(const ol::Vec2& staticCorner) const {
  const ol::Vec2 centre = GetShapeCentre();
  const float angle = GetAngle();
  if (IsDynamic()) {
    texture_.BlitRotated(centre.x, centre.y, angle);
  } else if (angle == 0.0f) {
    texture_.Blit(staticCorner.x, staticCorner.y);
  } else {
    // A turned static object is drawn as it collides: its unturned picture
    // turned about the shape's centre.
    const ol::Vec2 half(texture_.GetWidth() * 0.5f, texture_.GetHeight() * 0.5f);
    const ol::Vec2 offset = staticCorner + half - centre;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const ol::Vec2 turned(offset.x * c - offset.y * s, offset.x * s + offset.y * c);
    texture_.BlitRotated(centre.x + turned.x, centre.y + turned.y, angle);
  }
}

template <class T>
void BodyObject::MakePhysics(T* shape, bool dynamic) {
  if (dynamic) {
    physics_.reset(new Tessora::Dynamic<T>(shape, GetPhysicsWorld().CreateBody()));
  } else {
    physics_.reset(new Tessora::Static<T>(shape));
  }
}

template void BodyObject::MakePhysics(Tessora::Circle*, bool);
template void BodyObject::MakePhysics(Tessora::Line*, bool);
template void BodyObject::MakePhysics(Tessora::Block*, bool);
template void BodyObject::MakePhysics(Tessora::Composite*, bool);

}  // namespace Kest
