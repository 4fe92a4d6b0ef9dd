// A physics object: one shape plus its surface, either static (the shape
// stays where the game puts it) or dynamic (a solver body drives it).
#pragma once

#include <ode/ode.h>

#include "tessora/shape.h"
#include "tessora/surface.h"

namespace Tessora {

class Object {
 public:
  // The game sets single fields after construction.
  SurfaceProperties surface;

  Object();
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  virtual Shape* GetShape() const = 0;
  virtual bool IsDynamic() const = 0;
  // The solver body, or null for a static object.
  virtual dBodyID GetBody() const = 0;
  virtual void SetMass(float density) = 0;

  void SetPosition(const Vec2& position);
  // Turns the object to the angle, in degrees; the shape's orientation
  // becomes (cos a, sin a), the orientation of a body turned by a about z.
  void SetAngle(float degrees);
  // Copies the body's pose into the shape; the solver calls it whenever the
  // body moves.
  void UpdateFromBody();
};

}  // namespace Tessora
