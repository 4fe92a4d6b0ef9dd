// The frame-rate measurement behind ol::FpsCounter, apart from the timer
// that feeds it ticks.
#pragma once

#include <atomic>

namespace ol {

class FpsMeter {
 public:
  // Resets the counts and sets the window to its maximum.
  void Start(float referenceFps);
  // One millisecond passed; safe from any thread.
  void Tick() { ticks_.fetch_add(1, std::memory_order_relaxed); }
  void Pause() { paused_ = true; }
  // Counts a frame. Once more frames than the window have passed (and the
  // clock has ticked) the rate is measured and the factor reference / rate
  // is returned; otherwise the last factor (0 before the first measurement).
  float CountFrame();

  int Window() const { return window_; }
  float MeasuredFps() const { return measuredFps_; }

 private:
  void AdaptWindow(float oldFps, float newFps);

  static constexpr int MAX_WINDOW = 50;
  static constexpr int MIN_WINDOW = 10;
  // The relative change of rate that counts as a jump.
  static constexpr float THRESHOLD = 0.3f;

  float referenceFps_ = 60.0f;
  int window_ = 30;
  // Milliseconds since the last measurement: the timer thread adds, the
  // main thread takes them all at once.
  std::atomic<int> ticks_{0};
  int frames_ = 0;
  float measuredFps_ = 0.0f;
  float factor_ = 0.0f;
  bool paused_ = false;
};

}  // namespace ol
