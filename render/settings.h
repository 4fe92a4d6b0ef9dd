// Global drawing settings: line smoothing and the screen projection.
#pragma once

namespace ol {

class Settings {
 public:
  // On: smoothed lines. Off: neither lines nor points smoothed.
  static void SetAntialiasing(bool on);
  static bool IsAntialiased();

  // Pixel coordinates for a w x h screen: origin top left, y growing down.
  static void SetOrthographicProjection(int w, int h);
};

}  // namespace ol
