#include "render/shape.h"

#include "render/drawbatch.h"
#include "render/transforms.h"

namespace ol {

void Shape::UseTintedColor(const Rgba& color) const {
  DrawBatch::SetColor(*Transforms::GetTintColor() * color);
  if (!DrawsThroughBatch()) DrawBatch::FlushForDirectDrawing();
}

void Shape::Draw(const Rgba& color) const {
  UseTintedColor(color);
  DrawRaw();
}

void Shape::DrawOutline(const Rgba& color) const {
  UseTintedColor(color);
  DrawOutlineRaw();
}

}  // namespace ol
