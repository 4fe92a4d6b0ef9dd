// The record a render-mode blit hands to its mode: which part of the image to
// draw (in image pixels), the texture coordinates worked out from it, the
// flips, and optional colours for the quad's four corners.
#pragma once

namespace ol {

struct TextureInfo;
struct Rgba;

struct TexCoords {
  const TextureInfo* texture = nullptr;
  // Source bounds in image pixels.
  float left = 0.0f;
  float right = 0.0f;
  float top = 0.0f;
  float bottom = 0.0f;
  // Texture coordinates of those bounds (ComputeTexCoords fills them).
  float uLeft = 0.0f;
  float uRight = 0.0f;
  float vTop = 0.0f;
  float vBottom = 0.0f;
  bool flipHorizontal = false;
  bool flipVertical = false;
  // Colours of corners 0 to 3 (top left, top right, bottom right, bottom
  // left), or null; whoever sets it keeps the colours alive for the blit.
  const Rgba* cornerColors = nullptr;

  TexCoords() = default;
  // The whole image of a texture record, nothing flipped, no corner colours.
  explicit TexCoords(const TextureInfo& whole);

  // The record cut to the rectangle (x, y, w, h), relative to its own bounds.
  TexCoords ClippedTo(float x, float y, float w, float h) const;

  // Fills the texture coordinates from the bounds, swapping them per flip.
  void ComputeTexCoords();
};

}  // namespace ol
