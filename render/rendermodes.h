// The render modes the game draws with: mirrored textures, cut-out parts of
// a sheet, corner-shaded shadows, and two modes in a row.
#pragma once

#include "render/rendermode.h"
#include "render/rgba.h"

namespace ol {

enum FlipKind {
  FLIP_HORIZONTAL = 0,
  FLIP_VERTICAL = 1,
  FLIP_BOTH = 2,
};

class FlippedMode : public RenderMode {
 public:
  explicit FlippedMode(int kind) : kind_(kind) {}
  TexCoords Select(const TexCoords& coords) const override;

 private:
  int kind_;  // a FlipKind; other values flip nothing
};

// Draws only the part (x, y, w, h) of the source, in image pixels.
class ClippedMode : public RenderMode {
 public:
  ClippedMode(float x, float y, float w, float h) : x_(x), y_(y), w_(w), h_(h) {}
  SourceRect ClipSource(const SourceRect& source) const override;
  TexCoords Select(const TexCoords& coords) const override;

 private:
  float x_;
  float y_;
  float w_;
  float h_;
};

// Gives the quad's corners their own colours (top left, top right, bottom
// right, bottom left), multiplied with the tint. The mode must outlive the
// blit that uses it.
class GradientMode : public RenderMode {
 public:
  GradientMode(Rgba topLeft, Rgba topRight, Rgba bottomRight, Rgba bottomLeft);
  TexCoords Select(const TexCoords& coords) const override;

 private:
  Rgba corners_[4];
};

// The first mode, then the second; neither is owned.
class MultiMode : public RenderMode {
 public:
  MultiMode(const RenderMode& first, const RenderMode& second) : first_(first), second_(second) {}
  void BeginDraw() const override;
  void EndDraw() const override;
  bool UsesCornerHook() const override;
  void SetCornerTexCoord(int corner, const SourceRect& source, const TexCoords& coords,
                         float drawWidth, float drawHeight) const override;
  SourceRect ClipSource(const SourceRect& source) const override;
  TexCoords Select(const TexCoords& coords) const override;

 private:
  const RenderMode& first_;
  const RenderMode& second_;
};

}  // namespace ol
