// Drawing a texture's image as a quad: how every blit of a bitmap ends up on
// the canvas. The colour is the tint with its alpha times the opacity.
#pragma once

#include "render/drawbatch.h"

namespace ol {

struct Affine;
struct TextureInfo;
class RenderMode;

// Where the quad goes: its top-left corner at (x, y), or, when turned, the
// pivot (image pixels) at (x, y) and the quad turned about it by the angle
// (radians).
struct QuadPlacement {
  float x = 0.0f;
  float y = 0.0f;
  bool turned = false;
  float angle = 0.0f;
  float pivotX = 0.0f;
  float pivotY = 0.0f;
};

// The whole image, drawn w x h.
void DrawTexturedQuad(const TextureInfo& texture, const QuadPlacement& placement, float w, float h,
                      float opacity, TextureSampling sampling = FILTERED_SAMPLING);

// The texture's image rectangle as a w x h quad with its top-left corner at
// the placement's origin, in the current colour.
void EmitTextureRect(const TextureInfo& texture, const Affine& placement, float w, float h,
                     TextureSampling sampling = FILTERED_SAMPLING);

// The image at its own size, through a render mode that may cut, flip or
// colour it.
void DrawTexturedQuadWithMode(const TextureInfo& texture, const QuadPlacement& placement,
                              const RenderMode& mode, float opacity);

}  // namespace ol
