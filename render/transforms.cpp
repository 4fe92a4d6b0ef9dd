#include "render/transforms.h"

#include <cmath>

#include "render/gl.h"
#include "render/curves.h"
#include "render/drawbatch.h"
#include "render/setup.h"

namespace ol {
namespace {

Vec2 translation;
Vec2 rotationPivot;
// Neither the angle nor the stretch is changed by the game; they are kept so
// the placement is complete.
float rotationAngle = 0.0f;
Vec2 stretch(1.0f, 1.0f);
bool matrixPushed = false;
Rgba tint(1.0f, 1.0f, 1.0f, 1.0f);
Rgba screenOverlay(0.0f, 0.0f, 0.0f, 0.0f);

}  // namespace

void Transforms::SetPosition(float x, float y) {
  translation = Vec2(x, y);
  ApplyTransforms();
}

Vec2 Transforms::GetPosition() { return translation; }

void Transforms::SetRotationPivot(float x, float y) {
  rotationPivot = Vec2(x, y);
  ApplyTransforms();
}

void Transforms::ApplyTransforms() {
  DrawBatch::Flush();
  if (matrixPushed) glPopMatrix();
  glPushMatrix();
  matrixPushed = true;
  glTranslatef(translation.x, translation.y, 0.0f);
  if (rotationAngle != 0.0f) {
    glTranslatef(rotationPivot.x, rotationPivot.y, 0.0f);
    glRotatef(rotationAngle * DEGREES_PER_RADIAN, 0.0f, 0.0f, 1.0f);
    glTranslatef(-rotationPivot.x, -rotationPivot.y, 0.0f);
  }
  if (stretch.x != 1.0f || stretch.y != 1.0f) {
    const float halfW = Setup::GetScreenWidth() / 2.0f;
    const float halfH = Setup::GetScreenHeight() / 2.0f;
    glTranslatef(-((halfW - translation.x) * (stretch.x - 1.0f)),
                 -((halfH - translation.y) * (stretch.y - 1.0f)), 0.0f);
    glScalef(stretch.x, stretch.y, 1.0f);
  }
}

void Transforms::SetTintColor(const Rgba& color) { tint = color; }

const Rgba* Transforms::GetTintColor() { return &tint; }

void Transforms::DrawScreenOverlay() {
  if (screenOverlay.a <= 0.0f) return;
  const Rgba color = screenOverlay * tint;
  const float w = static_cast<float>(Setup::GetScreenWidth());
  const float h = static_cast<float>(Setup::GetScreenHeight());
  DrawBatch::SetColor(color);
  DrawBatch::Begin(GL_QUADS, Affine());
  DrawBatch::AddVertex(0.0f, h);
  DrawBatch::AddVertex(w, h);
  DrawBatch::AddVertex(w, 0.0f);
  DrawBatch::AddVertex(0.0f, 0.0f);
  DrawBatch::End();
}

}  // namespace ol
