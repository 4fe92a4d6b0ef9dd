#include "render/shape.h"

#include "render/gl.h"
#include "render/transforms.h"

namespace ol {
namespace {

void UseTintedColor(const Rgba& color) {
  glDisable(GL_TEXTURE_2D);
  const Rgba tinted = *Transforms::GetTintColor() * color;
  glColor4f(tinted.r, tinted.g, tinted.b, tinted.a);
}

}  // namespace

void Shape::Draw(const Rgba& color) const {
  UseTintedColor(color);
  DrawRaw();
}

void Shape::DrawOutline(const Rgba& color) const {
  UseTintedColor(color);
  DrawOutlineRaw();
}

}  // namespace ol
