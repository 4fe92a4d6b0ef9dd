#include "render/rendermodes.h"

#include <algorithm>

namespace ol {
namespace {

struct Span {
  float start;
  float length;
};

// One axis of a clipped mode: the mode's part (start, length) of a source
// span, never longer than what the source has left.
Span ClipSpan(float modeStart, float modeLength, const Span& source) {
  Span span = modeStart < 0.0f
                  ? Span{0.0f, std::min(modeStart + modeLength, source.length)}
                  : Span{modeStart + source.start, std::min(modeLength, source.length - modeStart)};
  span.length = std::max(span.length, 0.0f);
  return span;
}

}  // namespace

TexCoords FlippedMode::Select(const TexCoords& coords) const {
  TexCoords flipped = coords;
  if (kind_ == FLIP_HORIZONTAL || kind_ == FLIP_BOTH) flipped.flipHorizontal = !flipped.flipHorizontal;
  if (kind_ == FLIP_VERTICAL || kind_ == FLIP_BOTH) flipped.flipVertical = !flipped.flipVertical;
  return flipped;
}

SourceRect ClippedMode::ClipSource(const SourceRect& source) const {
  const Span x = ClipSpan(x_, w_, Span{source.x, source.w});
  const Span y = ClipSpan(y_, h_, Span{source.y, source.h});
  return SourceRect{x.start, y.start, x.length, y.length};
}

TexCoords ClippedMode::Select(const TexCoords& coords) const {
  return coords.ClippedTo(x_, y_, w_, h_);
}

GradientMode::GradientMode(Rgba topLeft, Rgba topRight, Rgba bottomRight, Rgba bottomLeft)
    : corners_{topLeft, topRight, bottomRight, bottomLeft} {}

TexCoords GradientMode::Select(const TexCoords& coords) const {
  TexCoords shaded = coords;
  shaded.cornerColors = corners_;
  return shaded;
}

void MultiMode::BeginDraw() const {
  first_.BeginDraw();
  second_.BeginDraw();
}

void MultiMode::EndDraw() const {
  first_.EndDraw();
  second_.EndDraw();
}

bool MultiMode::UsesCornerHook() const {
  return first_.UsesCornerHook() || second_.UsesCornerHook();
}

void MultiMode::SetCornerTexCoord(int corner, const SourceRect& source, const TexCoords& coords,
                                  float drawWidth, float drawHeight) const {
  if (first_.UsesCornerHook()) first_.SetCornerTexCoord(corner, source, coords, drawWidth, drawHeight);
  if (second_.UsesCornerHook()) second_.SetCornerTexCoord(corner, source, coords, drawWidth, drawHeight);
}

SourceRect MultiMode::ClipSource(const SourceRect& source) const {
  return second_.ClipSource(first_.ClipSource(source));
}

TexCoords MultiMode::Select(const TexCoords& coords) const {
  return second_.Select(first_.Select(coords));
}

}  // namespace ol
