#include "render/texturequad.h"

#include "render/gl.h"
#include "render/rendermode.h"
#include "render/textureinfo.h"
#include "render/transforms.h"

namespace ol {
namespace {

constexpr float DEGREES_PER_RADIAN = 57.29577951308232f;

void PushPlacement(const QuadPlacement& placement) {
  glPushMatrix();
  glTranslatef(placement.x, placement.y, 0.0f);
  if (!placement.turned) return;
  glRotatef(placement.angle * DEGREES_PER_RADIAN, 0.0f, 0.0f, 1.0f);
  glTranslatef(-placement.pivotX, -placement.pivotY, 0.0f);
}

void SetColor(const Rgba& color, float opacity) {
  const Rgba& tint = *Transforms::GetTintColor();
  glColor4f(tint.r * color.r, tint.g * color.g, tint.b * color.b, tint.a * color.a * opacity);
}

void BindTexture(const TextureInfo& texture, float opacity) {
  SetColor(Rgba(1.0f, 1.0f, 1.0f, 1.0f), opacity);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture.texture);
}

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
                      float opacity) {
  PushPlacement(placement);
  BindTexture(texture, opacity);
  EmitTextureRect(texture, w, h);
  glPopMatrix();
}

// The texture's image rectangle as a w x h quad at the origin.
void EmitTextureRect(const TextureInfo& texture, float w, float h) {
  const float u = texture.rectX;
  const float v = texture.rectY;
  glBegin(GL_TRIANGLE_FAN);
  glTexCoord2f(u, v);
  glVertex2f(0.0f, h);
  glTexCoord2f(u + texture.rectW, v);
  glVertex2f(w, h);
  glTexCoord2f(u + texture.rectW, v + texture.rectH);
  glVertex2f(w, 0.0f);
  glTexCoord2f(u, v + texture.rectH);
  glVertex2f(0.0f, 0.0f);
  glEnd();
}

void DrawTexturedQuadWithMode(const TextureInfo& texture, const QuadPlacement& placement,
                              const RenderMode& mode, float opacity) {
  mode.BeginDraw();
  PushPlacement(placement);
  BindTexture(texture, opacity);
  const float imageW = static_cast<float>(texture.imageWidth);
  const float imageH = static_cast<float>(texture.imageHeight);
  const SourceRect source = mode.ClipSource(SourceRect{0.0f, 0.0f, imageW, imageH});
  TexCoords coords = mode.Select(TexCoords(texture));
  coords.ComputeTexCoords();
  const bool cornerHook = mode.UsesCornerHook();
  glBegin(GL_QUADS);
  for (const CornerPoint& point : QUAD_CORNERS) {
    if (coords.cornerColors != nullptr) SetColor(coords.cornerColors[point.corner], opacity);
    if (cornerHook) {
      mode.SetCornerTexCoord(point.corner, source, coords, imageW, imageH);
    } else {
      SetTextCoord(point.corner, source, coords);
    }
    glVertex2f(source.x + source.w * point.xFactor, source.y + source.h * point.yFactor);
  }
  glEnd();
  glPopMatrix();
  mode.EndDraw();
}

}  // namespace ol
