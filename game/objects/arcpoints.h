// The points of a quarter circle or quarter ellipse, in drawing order along
// the arc and shifted into the box [0, a] x [0, b]. Quarters are numbered as
// on the screen (y down): 1 upper right, 2 upper left, 3 lower left, 4 lower
// right. Neighbouring points may coincide.
#pragma once

#include <vector>

#include "render/vec2.h"

namespace Kest {

std::vector<ol::Vec2> CircleQuarterPoints(float radius, int quarter);
std::vector<ol::Vec2> EllipseQuarterPoints(float radiusX, float radiusY, int quarter);

// The quarter that shows a quarter mirrored by a flip mode (0 horizontal,
// 1 vertical, 2 both).
int FlipQuarter(int quarter, int flipMode);

}  // namespace Kest
