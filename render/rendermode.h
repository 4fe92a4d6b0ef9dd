// How one blit of a bitmap is drawn: a render mode may cut the source, flip
// or colour the texture, and run code around the blit. The base mode draws
// the bitmap as it is.
#pragma once

#include "render/texturecoords.h"

namespace ol {

// A rectangle of the source image in image pixels (y down).
struct SourceRect {
  float x = 0.0f;
  float y = 0.0f;
  float w = 0.0f;
  float h = 0.0f;
};

// Corners of a blitted quad (y grows downwards).
enum QuadCorner {
  CORNER_TOP_LEFT = 0,
  CORNER_TOP_RIGHT = 1,
  CORNER_BOTTOM_RIGHT = 2,
  CORNER_BOTTOM_LEFT = 3,
};

class RenderMode {
 public:
  RenderMode() = default;
  virtual ~RenderMode() = default;

  // Both run while the blit is gathered into the frame's batch, before it
  // reaches GL: a mode that changes GL state here flushes the batch first
  // (DrawBatch::Flush).
  virtual void BeginDraw() const {}
  virtual void EndDraw() const {}
  // Whether the blit gives each corner's texture coordinate through
  // SetCornerTexCoord (with DrawBatch::SetTexCoord) instead of the plain
  // corner lookup.
  virtual bool UsesCornerHook() const { return false; }
  virtual void SetCornerTexCoord(int corner, const SourceRect& source, const TexCoords& coords,
                                 float drawWidth, float drawHeight) const;
  virtual SourceRect ClipSource(const SourceRect& source) const { return source; }
  virtual TexCoords Select(const TexCoords& coords) const { return coords; }
};

// Sets the texture coordinate of one corner of the record for the next
// vertex; other corner numbers set nothing.
void SetTextCoord(int corner, const SourceRect& source, const TexCoords& coords);

}  // namespace ol
