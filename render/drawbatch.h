// The frame's draws, gathered into few GL calls. Shapes and blits hand over
// their primitives vertex by vertex, placed by their own moves and turns (the
// camera stays GL's model-view matrix); primitives with the same texture,
// kind (filled or lines) and line width gather into one run, which reaches
// GL as one draw. A primitive joins an earlier run of its kind when nothing
// drawn after that run lies within a pixel of it, so wherever draws overlap
// they keep their order. Whatever else changes how GL draws (blending,
// clipping, the colour mask, the canvas target, a matrix, line smoothing,
// deleting a texture) or reads what was drawn flushes the batch first, so
// the picture is that of separate draws.
#pragma once

#include "render/affine.h"
#include "render/rgba.h"

namespace ol {

// How a texture is read: filtered as it was set up, or texel for texel
// (exact, and cheaper, where a texture lands 1:1 on whole pixels).
enum TextureSampling {
  FILTERED_SAMPLING = 0,
  TEXEL_SAMPLING = 1,
};

class DrawBatch {
 public:
  // Starts a primitive of one of GL's kinds: GL_TRIANGLE_FAN, GL_POLYGON
  // (convex), GL_QUADS, GL_QUAD_STRIP, GL_LINES or GL_LINE_LOOP. Texture 0
  // draws untextured; the line width counts for lines only.
  static void Begin(unsigned int kind, const Affine& placement, unsigned int texture = 0,
                    float lineWidth = 1.0f, TextureSampling sampling = FILTERED_SAMPLING);
  // The colour and texture coordinate of the vertices added from now on;
  // both stay until changed, as GL's current ones do.
  static void SetColor(const Rgba& color);
  static void SetTexCoord(float u, float v);
  static void AddVertex(float x, float y);
  // The primitive joins the batch as triangles or line segments.
  static void End();

  // Draws what was gathered.
  static void Flush();
  // Forgets what was gathered, for when it would be painted over whole.
  static void Discard();
  // While unseen, every flush forgets what was gathered instead of drawing
  // it: the canvas hides a pass so.
  static void SetUnseen(bool unseen);
  // Flushes, then gives GL the current colour with texturing off, for a
  // shape that draws with GL itself.
  static void FlushForDirectDrawing();

  // The draw calls made so far: what the batching saves shows here.
  static long DrawsMade();
};

}  // namespace ol
