#include "render/transforms.h"

#include <cmath>

#include "render/gl.h"
#include "render/curves.h"
#include "render/settings.h"
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
  glDisable(GL_TEXTURE_2D);
  glColor4f(color.r, color.g, color.b, color.a);
  glBegin(GL_QUADS);
  glVertex2f(0.0f, h);
  glVertex2f(w, h);
  glVertex2f(w, 0.0f);
  glVertex2f(0.0f, 0.0f);
  glEnd();
  if (Settings::KeepsTexturing()) glEnable(GL_TEXTURE_2D);
}

}  // namespace ol
