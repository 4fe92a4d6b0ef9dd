// Colour drawing of physics shapes, for objects drawn without a texture.
#pragma once

#include "render/rgba.h"

namespace Tessora {
class Block;
class Circle;
}  // namespace Tessora

namespace Kest {

// The four edges as lines of width 1.
void DrawBlockEdges(const Tessora::Block& block, const ol::Rgba& color);
// A line shape (a block of no height) from end to end.
void DrawLineShape(const Tessora::Block& line, const ol::Rgba& color);
void DrawCircleOutline(const Tessora::Circle& circle, const ol::Rgba& color);

}  // namespace Kest
