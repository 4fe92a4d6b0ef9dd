#include "render/blenders.h"

#include <deque>

#include "render/drawbatch.h"
#include "render/gl.h"

namespace ol {
namespace {

struct BlendPair {
  GLenum source;
  GLenum destination;

  bool operator==(const BlendPair& o) const {
    return source == o.source && destination == o.destination;
  }
};

constexpr BlendPair ALPHA_PAIR = {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA};

BlendPair current = ALPHA_PAIR;
// What GL blends with: at first nothing (a copy).
BlendPair applied = {GL_ONE, GL_ZERO};
std::deque<BlendPair> saved;

void Apply(const BlendPair& pair) {
  // The draws gathered so far blend as they were meant to; setting the same
  // pair again (sprites do, each frame) keeps them gathered.
  if (!(pair == applied)) DrawBatch::Flush();
  applied = pair;
  // Copying needs no blending at all: cheaper, and alpha is written as is.
  if (pair.source == GL_ONE && pair.destination == GL_ZERO) {
    glDisable(GL_BLEND);
    return;
  }
  glBlendFunc(pair.source, pair.destination);
  glEnable(GL_BLEND);
}

}  // namespace

void Blenders::Set(int preset) {
  switch (preset) {
    case ALPHA_BLENDER: current = ALPHA_PAIR; break;
    case ADDITIVE_BLENDER: current = {GL_SRC_ALPHA, GL_ONE}; break;
    case SUBTRACTIVE_BLENDER: current = {GL_ZERO, GL_ONE_MINUS_SRC_COLOR}; break;
    case COPY_BLENDER: current = {GL_ONE, GL_ZERO}; break;
    case FULL_ADDITIVE_BLENDER: current = {GL_ONE, GL_ONE}; break;
    default: break;
  }
  Apply(current);
}

void Blenders::Restore() { Apply(current); }

void Blenders::Push() { saved.push_back(current); }

void Blenders::Pop() {
  if (saved.empty()) return;
  current = saved.back();
  saved.pop_back();
  Apply(current);
}

bool Blenders::KeepsUnderTransparent() {
  return applied.source == GL_SRC_ALPHA &&
         (applied.destination == GL_ONE_MINUS_SRC_ALPHA || applied.destination == GL_ONE);
}

bool Blenders::IsAlphaBlending() { return applied == ALPHA_PAIR; }

}  // namespace ol
