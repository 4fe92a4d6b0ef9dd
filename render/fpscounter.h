// Frame-rate counter: once per frame, the reference rate divided by the
// measured rate, so per-frame movement can be scaled to the real speed.
// The number of frames per measurement adapts: it grows while the rate is
// steady and shrinks when it jumps.
#pragma once

namespace ol {

class FpsCounter {
 public:
  // Resets the counters and the measuring window, and starts the
  // millisecond tick.
  static void Start(float referenceFps);
  // One millisecond passed. Runs on the library's timer thread.
  static void Tick();
  static void Pause();
  // Counts a frame; returns the factor of the latest measurement.
  static float CountFrame();
  // Frames per second at the latest measurement; 0 before the first.
  static float GetFps();
};

}  // namespace ol
