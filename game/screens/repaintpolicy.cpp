#include "game/screens/repaintpolicy.h"

namespace Kest {

bool RepaintPolicy::Mouse::operator==(const Mouse& other) const {
  return x == other.x && y == other.y && buttons == other.buttons && wheel == other.wheel;
}

bool RepaintPolicy::ShouldDraw(const Mouse& mouse, bool contentChanged, std::uint32_t now) const {
  return !drawn_ || contentChanged || !(mouse == mouse_) ||
         now - drawnAt_ >= kLongestWithoutDrawingMs;
}

void RepaintPolicy::Drawn(const Mouse& mouse, std::uint32_t now) {
  drawn_ = true;
  mouse_ = mouse;
  drawnAt_ = now;
}

}  // namespace Kest
