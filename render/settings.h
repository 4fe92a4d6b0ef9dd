// Global drawing settings: line smoothing, the pixel savings and the screen
// projection.
#pragma once

namespace ol {

class Settings {
 public:
  // On: smoothed lines. Off: neither lines nor points smoothed.
  static void SetAntialiasing(bool on);
  static bool IsAntialiased();

  // Shortcuts that give the same picture for less of the renderer's work:
  // a pass the next one paints over draws no pixel, wholly opaque triangles
  // are not blended, and blits that land texel for texel are not filtered.
  // On by default; off draws everything the plain way (to check that the
  // picture is the same).
  static void SetPixelSavings(bool on);
  static bool HasPixelSavings();

  // Pixel coordinates for a w x h screen: origin top left, y growing down.
  static void SetOrthographicProjection(int w, int h);
};

}  // namespace ol
