#include "game/screens/typewriter.h"

#include <utility>

namespace Kest {

namespace {

constexpr float kFactorPerCharacter = 20.0f;

}  // namespace

Typewriter::Typewriter(std::vector<std::string> lines)
    : lines_(std::move(lines)), shown_(lines_.size()) {}

bool Typewriter::Advance(float frameFactor) {
  if (lines_.empty()) return false;
  const std::string& line = lines_[line_];
  if (typed_ >= line.size()) return NextLine();
  accumulated_ += frameFactor;
  if (accumulated_ <= kFactorPerCharacter) return false;
  accumulated_ = 0.0f;
  ++typed_;
  shown_[line_] = line.substr(0, typed_);
  return true;
}

bool Typewriter::NextLine() {
  typed_ = 0;
  if (++line_ < lines_.size()) return false;
  line_ = 0;
  for (std::string& shown : shown_) shown.clear();
  return true;
}

}  // namespace Kest
