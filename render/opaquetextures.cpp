#include "render/opaquetextures.h"

#include <unordered_map>

namespace ol {
namespace {

// The opaque textures and the version of each.
std::unordered_map<unsigned int, unsigned long> opaque;
unsigned long recordings = 0;

bool AllAlphaFull(const std::vector<unsigned char>& rgba) {
  for (std::size_t alpha = 3; alpha < rgba.size(); alpha += 4) {
    if (rgba[alpha] != 255) return false;
  }
  return true;
}

}  // namespace

void OpaqueTextures::Record(unsigned int texture, const std::vector<unsigned char>& rgba) {
  if (texture != 0 && AllAlphaFull(rgba)) {
    opaque[texture] = ++recordings;
  } else {
    opaque.erase(texture);
  }
}

void OpaqueTextures::Forget(unsigned int texture) { opaque.erase(texture); }

bool OpaqueTextures::IsOpaque(unsigned int texture) { return Version(texture) != 0; }

unsigned long OpaqueTextures::Version(unsigned int texture) {
  const auto found = opaque.find(texture);
  return found == opaque.end() ? 0 : found->second;
}

}  // namespace ol
