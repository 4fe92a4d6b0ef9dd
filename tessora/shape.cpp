#include "tessora/shape.h"

#include <cmath>

#include "platform/trace.h"

namespace Tessora {

void Shape::SetPosition(const Vec2& position) { position_ = position; }

void Shape::SetOrientation(const Vec2& orientation) { orientation_ = orientation; }

void Shape::SetBoxMass(dBodyID body, float density, float sx, float sy) {
  dMass mass;
  dMassSetZero(&mass);
  dMassSetBox(&mass, density, sx, sy, 1.0f);
  // The solver aborts on a mass that is not positive, and a non-finite one
  // turns every later step into NaN.
  if (!(mass.mass > 0.0f) || !std::isfinite(mass.mass)) {
    Platform::Trace("Tessora: refused a body mass of " + std::to_string(mass.mass) +
                    " (density " + std::to_string(density) + ")");
    return;
  }
  dBodySetMass(body, &mass);
}

}  // namespace Tessora
