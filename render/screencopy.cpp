#include "render/screencopy.h"

#include <cmath>

#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/opaquetextures.h"
#include "render/setup.h"
#include "render/textureinfo.h"

namespace ol {
namespace {

// The window keeps its rows top first, a texture bottom first: a blit from
// the image's own texture flips, and the renderer shades every pixel for
// that. So the image is copied once, upside down, into a texture of the
// window's byte order, read through a framebuffer of its own; from there a
// blit to the window is a copy of memory. One image is kept at a time (the
// background, which seldom changes).
struct ScreenOrdered {
  GLuint source = 0;   // the image's own texture
  unsigned long version = 0;  // the recording of it that was copied
  GLuint texture = 0;
  GLuint framebuffer = 0;
  int width = 0;
  int height = 0;
};

ScreenOrdered kept;
bool blitLooked = false;
bool canBlit = false;

bool CanBlit() {
  if (!blitLooked) {
    blitLooked = true;
    canBlit = glGenFramebuffers && glBindFramebuffer && glFramebufferTexture2D &&
              glCheckFramebufferStatus && glBlitFramebuffer && glDeleteFramebuffers;
  }
  return canBlit;
}

bool ScissorHoldsTheWindow() {
  GLint box[4] = {};
  glGetIntegerv(GL_SCISSOR_BOX, box);
  return box[0] <= 0 && box[1] <= 0 && box[0] + box[2] >= Setup::GetScreenWidth() &&
         box[1] + box[3] >= Setup::GetScreenHeight();
}

int Texels(float coordinate, int size) { return static_cast<int>(std::lround(coordinate * size)); }

GLuint FramebufferOf(GLuint texture, GLenum binding) {
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(binding, framebuffer);
  glFramebufferTexture2D(binding, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  return framebuffer;
}

void Release(ScreenOrdered& ordered) {
  if (ordered.framebuffer != 0) glDeleteFramebuffers(1, &ordered.framebuffer);
  if (ordered.texture != 0) glDeleteTextures(1, &ordered.texture);
  ordered = ScreenOrdered();
}

// The image, turned upside down into a texture of the window's byte order;
// false (nothing kept) where a framebuffer is incomplete.
bool KeepScreenOrdered(const TextureInfo& image, unsigned long version) {
  Release(kept);
  const int w = image.imageWidth;
  const int h = image.imageHeight;
  glGenTextures(1, &kept.texture);
  glBindTexture(GL_TEXTURE_2D, kept.texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
  const GLuint from = FramebufferOf(image.texture, GL_READ_FRAMEBUFFER);
  kept.framebuffer = FramebufferOf(kept.texture, GL_DRAW_FRAMEBUFFER);
  const bool complete =
      glCheckFramebufferStatus(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE &&
      glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  if (complete) {
    // Whole, whatever the screen's scissor (a hidden pass's hides all).
    const bool scissored = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    const int u = Texels(image.rectX, image.textureWidth);
    const int v = Texels(image.rectY, image.textureHeight);
    glBlitFramebuffer(u, v, u + w, v + h, 0, h, w, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    if (scissored) glEnable(GL_SCISSOR_TEST);
  }
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &from);
  if (!complete) {
    Release(kept);
    return false;
  }
  kept.source = image.texture;
  kept.version = version;
  kept.width = w;
  kept.height = h;
  return true;
}

}  // namespace

bool ScreenCopy::Copy(const TextureInfo& texture, int x, int y) {
  const unsigned long version = OpaqueTextures::Version(texture.texture);
  if (version == 0 || !CanBlit()) return false;
  DrawBatch::Flush();
  const bool same = kept.source == texture.texture && kept.version == version &&
                    kept.width == texture.imageWidth && kept.height == texture.imageHeight;
  if (!same && !KeepScreenOrdered(texture, version)) return false;
  const int bottom = Setup::GetScreenHeight() - y - kept.height;
  // Under any scissor the renderer shades the blit: one that holds the whole
  // window cuts nothing and is left off meanwhile.
  const bool scissorCutsNothing = glIsEnabled(GL_SCISSOR_TEST) && ScissorHoldsTheWindow();
  if (scissorCutsNothing) glDisable(GL_SCISSOR_TEST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, kept.framebuffer);
  glBlitFramebuffer(0, kept.height, kept.width, 0, x, bottom, x + kept.width, bottom + kept.height,
                    GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  if (scissorCutsNothing) glEnable(GL_SCISSOR_TEST);
  return true;
}

void ScreenCopy::ForgetContext() {
  kept = ScreenOrdered();
  blitLooked = false;
}

}  // namespace ol
