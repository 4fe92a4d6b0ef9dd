// The placement every drawing goes through: a translation (the camera
// scroll) kept as the GL model-view matrix, the tint that multiplies every
// colour drawn, and a full-screen overlay colour.
#pragma once

#include "render/rgba.h"
#include "render/vec2.h"

namespace ol {

class Transforms {
 public:
  static void SetPosition(float x, float y);
  static Vec2 GetPosition();

  static void SetRotationPivot(float x, float y);

  // Replaces the matrix this layer pushed last time by a fresh one, so the
  // model-view stack never grows however often the camera moves.
  static void ApplyTransforms();

  static void SetTintColor(const Rgba& tint);
  static const Rgba* GetTintColor();

  // Draws the overlay colour over the whole screen when it is not transparent.
  static void DrawScreenOverlay();
};

}  // namespace ol
