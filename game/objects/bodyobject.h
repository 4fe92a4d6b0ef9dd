// A level object that owns one physics object: static (its shape stays
// where it was built) or dynamic (a body of the application's world drives
// it). The physics object goes before the base object is torn down.
#pragma once

#include <memory>

#include "game/objects/object.h"
#include "render/vec2.h"
#include "tessora/object.h"

namespace Tessora {
class World;
}

namespace Kest {

// The world that dynamic level objects take their bodies from and ropes
// hinge in: the application's, unless one was handed in (tests without an
// application do that; null hands back to the application's).
Tessora::World& GetPhysicsWorld();
void SetPhysicsWorld(Tessora::World* world);

// The angle (radians) that images of the physics object are drawn at: its
// body's turn, or a static shape's.
float GetDrawAngle(const Tessora::Object& physics);

class BodyObject : public Object {
 public:
  Tessora::Object* GetBody() const override { return physics_.get(); }
  bool IsDynamic() const { return physics_->IsDynamic(); }

 protected:
  BodyObject() = default;
  ~BodyObject() override;

  // Takes the shape: dynamic wraps it with a new body from the world.
  template <class T>
  void MakePhysics(T* shape, bool dynamic);
  Tessora::Object& Physics() const { return *physics_; }
  float GetAngle() const { return GetDrawAngle(*physics_); }
  ol::Vec2 GetShapeCentre() const { return ToDrawing(physics_->GetShape()->GetPosition()); }
  // The texture turned with the body about the shape's centre; when static,
  // with its top-left at the unturned corner, turned with the shape.
  void BlitTexture(const ol::Vec2& staticCorner) const;

 private:
  std::unique_ptr<Tessora::Object> physics_;
};

}  // namespace Kest
