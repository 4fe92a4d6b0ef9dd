// Copying an opaque texture's image onto the back buffer as it is, pixel for
// pixel, through a framebuffer blit: the software renderer then moves
// memory instead of shading each pixel. It gives what a texel-for-texel
// blit of the image gives untinted under the alpha blender; the scissor
// (clip, hidden pass) holds for it as for any draw.
#pragma once

namespace ol {

struct TextureInfo;

class ScreenCopy {
 public:
  // Copies the image with its top-left corner at back-buffer pixel (x, y),
  // after what was gathered so far. False, with nothing done, where the
  // texture is not known opaque or the GL has no framebuffer blit.
  static bool Copy(const TextureInfo& texture, int x, int y);
  // Forgets what is kept for copying without deleting it: for a new GL
  // context, in which the old one's names mean nothing.
  static void ForgetContext();
};

}  // namespace ol
