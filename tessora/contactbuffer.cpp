#include "tessora/contactbuffer.h"

#include <cstring>
#include <utility>

#include "tessora/object.h"

namespace Tessora {

ContactBuffer::ContactBuffer() { std::memset(contacts_, 0, sizeof(contacts_)); }

void ContactBuffer::Reset(Object* a, Object* b) {
  a_ = a;
  b_ = b;
  count_ = 0;
  flip_ = false;
}

void ContactBuffer::Add(const Vec2& position, const Vec2& normal, float depth) {
  if (count_ == kCapacity) return;
  const float sign = flip_ ? -1.0f : 1.0f;
  dContactGeom& geom = contacts_[count_++].geom;
  geom.pos[0] = position.x;
  geom.pos[1] = position.y;
  geom.normal[0] = normal.x * sign;
  geom.normal[1] = normal.y * sign;
  geom.depth = depth;
}

Vec2 ContactBuffer::GetPosition(int index) const {
  const dContactGeom& geom = contacts_[index].geom;
  return Vec2(geom.pos[0], geom.pos[1]);
}

Vec2 ContactBuffer::GetNormal(int index) const {
  const dContactGeom& geom = contacts_[index].geom;
  return Vec2(geom.normal[0], geom.normal[1]);
}

float ContactBuffer::GetDepth(int index) const { return contacts_[index].geom.depth; }

namespace {

float MixFriction(const SurfaceProperties& a, const SurfaceProperties& b) {
  if ((a.frictionMask & b.frictionMask) == 0) return 0.0f;
  if (a.friction == dInfinity || b.friction == dInfinity) return dInfinity;
  return a.friction * b.friction;
}

}  // namespace

void ContactBuffer::MixSurfaces() {
  const SurfaceProperties& a = a_->surface;
  const SurfaceProperties& b = b_->surface;
  for (int i = 0; i < count_; ++i) {
    dSurfaceParameters& s = contacts_[i].surface;
    s.mode = dContactBounce;
    s.mu = MixFriction(a, b);
    s.bounce = (a.bounce + b.bounce) * 0.5f;
    s.bounce_vel = (a.bounceVelocity + b.bounceVelocity) * 0.5f;
  }
  RunCallbacks();
}

// Each callback finds its own object as A; the contacts stay as they are,
// their normals pointing toward the pair's A.
void ContactBuffer::RunCallbacks() {
  if (ContactCallback callback = a_->surface.contactCallback) callback(this);
  if (ContactCallback callback = b_->surface.contactCallback) {
    std::swap(a_, b_);
    callback(this);
    std::swap(a_, b_);
  }
}

void ContactBuffer::CreateJoints(dWorldID world, dJointGroupID group) const {
  for (int i = 0; i < count_; ++i) {
    dJointID joint = dJointCreateContact(world, group, &contacts_[i]);
    dJointAttach(joint, a_->GetBody(), b_->GetBody());
  }
}

}  // namespace Tessora
