// Types lines out one character at a time, line after line; once the last
// line is complete, every line is cleared and typing starts again from the
// first. A character comes each time the summed frame-time factors pass 20:
// with 100 frames a second as the reference rate that is one character about
// every 0.2 s, whatever the real frame rate.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Kest {

class Typewriter {
 public:
  explicit Typewriter(std::vector<std::string> lines);

  // One frame; the factor is the reference frame rate over the measured one.
  // Returns whether the shown text changed.
  bool Advance(float frameFactor);

  // What is shown of each line, in line order.
  const std::vector<std::string>& Shown() const { return shown_; }

 private:
  // A finished line takes a pass of its own before the next one starts;
  // returns whether the lines were cleared.
  bool NextLine();

  std::vector<std::string> lines_;
  std::vector<std::string> shown_;
  std::size_t line_ = 0;
  std::size_t typed_ = 0;
  float accumulated_ = 0.0f;
};

}  // namespace Kest
