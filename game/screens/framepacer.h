// Holds a screen's frame loop to about 60 frames a second. Without vertical
// sync (under Xvfb, on many desktops) showing a frame does not wait, and a
// menu that only draws would keep a whole core busy.
#pragma once

#include <cstdint>
#include <functional>

namespace Kest {

class FramePacer {
 public:
  using Clock = std::function<std::uint32_t()>;
  using Sleep = std::function<void(std::uint32_t)>;

  static constexpr std::uint32_t kFrameMs = 16;

  // Times come from the millisecond clock (unsigned, so it may wrap); the
  // first frame counts from now.
  FramePacer(Clock clock, Sleep sleep);

  // Sleeps until a whole frame has passed since the last call returned.
  void WaitForFrame();

 private:
  Clock clock_;
  Sleep sleep_;
  std::uint32_t lastFrame_;
};

}  // namespace Kest
