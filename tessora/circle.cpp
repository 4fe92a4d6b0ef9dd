#include "tessora/circle.h"

#include <cmath>

namespace Tessora {

Circle::Circle(const Vec2& centre, float radius) : radius_(std::fabs(radius)) {
  position_ = centre;
  Update();
}

void Circle::Update() {
  box_ = {position_.x - radius_, position_.y - radius_, position_.x + radius_,
          position_.y + radius_};
}

// The box is sized by the radius, not the diameter: the bike's handling is
// tuned to these masses.
void Circle::SetMass(dBodyID body, float density) const {
  SetBoxMass(body, density, radius_, radius_);
}

}  // namespace Tessora
