#include "render/opaquetextures.h"

#include <unordered_set>

namespace ol {
namespace {

std::unordered_set<unsigned int> opaque;

bool AllAlphaFull(const std::vector<unsigned char>& rgba) {
  for (std::size_t alpha = 3; alpha < rgba.size(); alpha += 4) {
    if (rgba[alpha] != 255) return false;
  }
  return true;
}

}  // namespace

void OpaqueTextures::Record(unsigned int texture, const std::vector<unsigned char>& rgba) {
  if (texture != 0 && AllAlphaFull(rgba)) {
    opaque.insert(texture);
  } else {
    opaque.erase(texture);
  }
}

void OpaqueTextures::Forget(unsigned int texture) { opaque.erase(texture); }

bool OpaqueTextures::IsOpaque(unsigned int texture) { return opaque.count(texture) != 0; }

}  // namespace ol
