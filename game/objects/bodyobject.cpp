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
  if (!body) return 0.0f;
  const dReal* rotation = dBodyGetRotation(body);
  return -std::atan2(rotation[1], rotation[0]);
}

BodyObject::~BodyObject() = default;

void BodyObject::BlitTexture(const ol::Vec2& staticCorner) const {
  if (IsDynamic()) {
    const ol::Vec2 centre = GetShapeCentre();
    texture_.BlitRotated(centre.x, centre.y, GetAngle());
  } else {
    texture_.Blit(staticCorner.x, staticCorner.y);
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
