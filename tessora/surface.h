// What an object's surface brings to a contact, and who hears of it.
#pragma once

#include <cstdint>

#include "tessora/contactbuffer.h"

namespace Tessora {

struct SurfaceProperties {
  float density;             // not read by the physics layer
  float friction;            // +infinity: no sliding
  float bounce;              // restitution
  float bounceVelocity;      // least incoming speed that bounces
  std::uint32_t collisionMask;  // contact joints only when masks share a bit
  std::uint32_t frictionMask;   // friction only when masks share a bit
  ContactCallback contactCallback;
  void* userData;            // the owning game object, for the callback
};

// Copied by every new object: density 5, infinite friction, bounce 0.35,
// bounce velocity 0, all mask bits, no callback, no user data.
extern SurfaceProperties defaultSurfaceProperties;

}  // namespace Tessora
