#include "render/texturequad.h"

#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/rendermode.h"
#include "render/textureinfo.h"
#include "render/transforms.h"

namespace ol {
namespace {

Affine Placed(const QuadPlacement& placement) {
  Affine placed;
  placed.Translate(placement.x, placement.y);
  if (placement.turned) placed.Rotate(placement.angle).Translate(-placement.pivotX, -placement.pivotY);
  return placed;
}

void SetColor(const Rgba& color, float opacity) {
  const Rgba& tint = *Transforms::GetTintColor();
  DrawBatch::SetColor(
      Rgba(tint.r * color.r, tint.g * color.g, tint.b * color.b, tint.a * color.a * opacity));
}

const Rgba WHITE(1.0f, 1.0f, 1.0f, 1.0f);

// Corners in the order the quad is drawn, with their place in a w x h quad
// whose top-left corner is (x, y).
struct CornerPoint {
  int corner;
  float xFactor;
  float yFactor;
};
constexpr CornerPoint QUAD_CORNERS[] = {
    {CORNER_BOTTOM_LEFT, 0.0f, 1.0f},
    {CORNER_BOTTOM_RIGHT, 1.0f, 1.0f},
    {CORNER_TOP_RIGHT, 1.0f, 0.0f},
    {CORNER_TOP_LEFT, 0.0f, 0.0f},
};

}  // namespace

void DrawTexturedQuad(const TextureInfo& texture, const QuadPlacement& placement, float w, float h,
                      float opacity, TextureSampling sampling) {
  SetColor(WHITE, opacity);
  EmitTextureRect(texture, Placed(placement), w, h, sampling);
}

void EmitTextureRect(const TextureInfo& texture, const Affine& placement, float w, float h,
                     TextureSampling sampling) {
  const float u = texture.rectX;
  const float v = texture.rectY;
  DrawBatch::Begin(GL_TRIANGLE_FAN, placement, texture.texture, 1.0f, sampling);
  DrawBatch::SetTexCoord(u, v);
  DrawBatch::AddVertex(0.0f, h);
  DrawBatch::SetTexCoord(u + texture.rectW, v);
  DrawBatch::AddVertex(w, h);
  DrawBatch::SetTexCoord(u + texture.rectW, v + texture.rectH);
  DrawBatch::AddVertex(w, 0.0f);
  DrawBatch::SetTexCoord(u, v + texture.rectH);
  DrawBatch::AddVertex(0.0f, 0.0f);
  DrawBatch::End();
}

void DrawTexturedQuadWithMode(const TextureInfo& texture, const QuadPlacement& placement,
                              const RenderMode& mode, float opacity) {
  mode.BeginDraw();
  SetColor(WHITE, opacity);
  const float imageW = static_cast<float>(texture.imageWidth);
  const float imageH = static_cast<float>(texture.imageHeight);
  const SourceRect source = mode.ClipSource(SourceRect{0.0f, 0.0f, imageW, imageH});
  TexCoords coords = mode.Select(TexCoords(texture));
  coords.ComputeTexCoords();
  const bool cornerHook = mode.UsesCornerHook();
  DrawBatch::Begin(GL_QUADS, Placed(placement), texture.texture);
  for (const CornerPoint& point : QUAD_CORNERS) {
    if (coords.cornerColors != nullptr) SetColor(coords.cornerColors[point.corner], opacity);
    if (cornerHook) {
      mode.SetCornerTexCoord(point.corner, source, coords, imageW, imageH);
    } else {
      SetTextCoord(point.corner, source, coords);
    }
    DrawBatch::AddVertex(source.x + source.w * point.xFactor, source.y + source.h * point.yFactor);
  }
  DrawBatch::End();
  mode.EndDraw();
}

}  // namespace ol
