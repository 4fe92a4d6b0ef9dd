// Which textures are opaque wherever a draw can sample them. Drawing such a
// texture at full vertex alpha needs no blending: the picture is the same
// without reading the pixels beneath. Known when the image is uploaded;
// forgotten when the texture is drawn into or deleted, after which nothing
// is known of its alpha.
#pragma once

#include <vector>

namespace ol {

class OpaqueTextures {
 public:
  // Records whether the texture's RGBA pixels (4 bytes each) all have
  // alpha 255.
  static void Record(unsigned int texture, const std::vector<unsigned char>& rgba);
  static void Forget(unsigned int texture);
  // False for texture 0 and for any texture not recorded as opaque.
  static bool IsOpaque(unsigned int texture);
  // Which recording of the texture's opaque image holds, never the same
  // for two (a name is used again after a delete); 0 when not opaque.
  static unsigned long Version(unsigned int texture);
};

}  // namespace ol
