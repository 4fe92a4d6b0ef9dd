#include "render/blenders.h"

#include <deque>

#include "render/gl.h"

namespace ol {
namespace {

struct BlendPair {
  GLenum source;
  GLenum destination;
};

BlendPair current = {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA};
std::deque<BlendPair> saved;

void Apply(const BlendPair& pair) {
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
    case ALPHA_BLENDER: current = {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}; break;
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

}  // namespace ol
