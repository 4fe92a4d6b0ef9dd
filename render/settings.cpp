#include "render/settings.h"

#include "render/drawbatch.h"
#include "render/gl.h"

namespace ol {
namespace {

bool antialiasing = true;
bool pixelSavings = true;

}  // namespace

void Settings::SetAntialiasing(bool on) {
  DrawBatch::Flush();
  antialiasing = on;
  if (on) {
    glEnable(GL_LINE_SMOOTH);
  } else {
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POINT_SMOOTH);
  }
}

bool Settings::IsAntialiased() { return antialiasing; }

void Settings::SetPixelSavings(bool on) {
  DrawBatch::Flush();
  pixelSavings = on;
}

bool Settings::HasPixelSavings() { return pixelSavings; }

void Settings::SetOrthographicProjection(int w, int h) {
  DrawBatch::Flush();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, w, 0.0, h, -1.0, 1000.0);
  glScalef(1.0f, -1.0f, 1.0f);
  glTranslatef(0.0f, static_cast<float>(-h), 0.0f);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
}

}  // namespace ol
