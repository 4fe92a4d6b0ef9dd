// The contacts of one pair of objects, as the solver's contact records. Every
// normal points from object B toward object A; callbacks read the buffer
// while the collision pass mixes the pair's surfaces.
#pragma once

#include <ode/ode.h>

#include "tessora/vec2.h"

namespace Tessora {

class Object;
class ContactBuffer;

using ContactCallback = void (*)(ContactBuffer*);

class ContactBuffer {
 public:
  static constexpr int kCapacity = 64;

  ContactBuffer();

  // Empties the buffer for a new pair.
  void Reset(Object* a, Object* b);
  // Stores a contact, its normal negated while the flip flag is set. Beyond
  // kCapacity contacts the rest of the pair's contacts are dropped.
  void Add(const Vec2& position, const Vec2& normal, float depth);
  // Pair routines that take their shapes in the other order toggle this
  // around their call, so the stored normals keep pointing from B to A.
  void ToggleFlip() { flip_ = !flip_; }
  bool IsFlipped() const { return flip_; }

  // Writes the mixed surface of A and B into every contact, then runs A's
  // callback and, with A and B exchanged, B's. Callbacks run even for a
  // pair that yielded no contact.
  void MixSurfaces();
  // One contact joint per contact, between A's and B's bodies (a static
  // object's side is the fixed world).
  void CreateJoints(dWorldID world, dJointGroupID group) const;

  Object* GetA() const { return a_; }
  Object* GetB() const { return b_; }
  int GetCount() const { return count_; }
  const dContact& GetContact(int index) const { return contacts_[index]; }
  Vec2 GetPosition(int index) const;
  Vec2 GetNormal(int index) const;
  float GetDepth(int index) const;

 private:
  void RunCallbacks();

  Object* a_ = nullptr;
  Object* b_ = nullptr;
  dContact contacts_[kCapacity];
  int count_ = 0;
  bool flip_ = false;
};

}  // namespace Tessora
