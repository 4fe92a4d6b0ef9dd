// Decides which passes of a screen's loop draw. Under software OpenGL (as
// under Xvfb) a full-screen picture costs several milliseconds of processor
// time, so a screen whose picture cannot have changed keeps showing the last
// one: a pass draws when the mouse moved or changed its buttons or wheel,
// when the screen's own content changed, when nothing of this screen is
// shown yet, and at least every half second, so that a window that was
// covered gets its picture back.
#pragma once

#include <cstdint>

namespace Kest {

class RepaintPolicy {
 public:
  static constexpr std::uint32_t kLongestWithoutDrawingMs = 500;

  struct Mouse {
    int x = 0;
    int y = 0;
    int buttons = 0;
    int wheel = 0;
    bool operator==(const Mouse& other) const;
  };

  // Nothing drawn yet: the next pass draws.
  void Reset() { drawn_ = false; }
  // Times are milliseconds of an unsigned clock that may wrap.
  bool ShouldDraw(const Mouse& mouse, bool contentChanged, std::uint32_t now) const;
  void Drawn(const Mouse& mouse, std::uint32_t now);

 private:
  bool drawn_ = false;
  Mouse mouse_;
  std::uint32_t drawnAt_ = 0;
};

}  // namespace Kest
