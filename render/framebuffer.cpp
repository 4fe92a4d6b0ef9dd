#include "render/framebuffer.h"

#include <cmath>
#include <memory>
#include <vector>

#include "render/affine.h"
#include "render/blenders.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/opaquetextures.h"
#include "render/setup.h"
#include "render/textureinfo.h"
#include "render/texturequad.h"

namespace ol {
namespace {

std::vector<std::unique_ptr<FrameBuffer>> registry;
FrameBuffer* selected = nullptr;
bool destroyed = false;

void SelectFirstAvailable() {
  registry.push_back(std::make_unique<BackbufFramebuf>());
  for (const auto& framebuffer : registry) {
    if (framebuffer->IsAvailable()) {
      selected = framebuffer.get();
      return;
    }
  }
}

// The image's place in its texture, in texels.
int TexelX(const TextureInfo& texture) {
  return static_cast<int>(std::lround(texture.rectX * texture.textureWidth));
}
int TexelY(const TextureInfo& texture) {
  return static_cast<int>(std::lround(texture.rectY * texture.textureHeight));
}

// Reads come from the back buffer, where the bitmap is drawn; returns the
// read buffer to put back afterwards.
GLint SelectBackForReading() {
  GLint readBuffer = GL_BACK;
  glGetIntegerv(GL_READ_BUFFER, &readBuffer);
  glReadBuffer(GL_BACK);
  return readBuffer;
}

}  // namespace

FrameBuffer* FrameBuffer::GetInstance() {
  if (selected == nullptr && !destroyed) SelectFirstAvailable();
  return selected;
}

void FrameBuffer::DestroyAll() {
  if (selected != nullptr) selected->ClearBinding();
  selected = nullptr;
  registry.clear();
  destroyed = true;
}

const char* BackbufFramebuf::GetName() const { return "Framebuffer emulation"; }

bool BackbufFramebuf::IsAvailable() const { return true; }

// The bitmap's image is copied whole and unchanged (no blending, tint,
// camera, clipping or channel mask) into the top-left corner of the back
// buffer, so that canvas pixel (x, y) is image pixel (x, y) until the
// redirection ends. The canvas applies its clipping and mask afterwards.
void BackbufFramebuf::BindToTexture(TextureInfo& texture) {
  DrawBatch::Flush();
  bound_ = &texture;
  glDrawBuffer(GL_BACK);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  Blenders::Push();
  Blenders::Set(COPY_BLENDER);
  DrawBatch::SetColor(Rgba(1.0f, 1.0f, 1.0f, 1.0f));
  const float w = static_cast<float>(texture.imageWidth);
  const float h = static_cast<float>(texture.imageHeight);
  EmitTextureRect(texture, Affine(), w, h);
  DrawBatch::Flush();
  Blenders::Pop();
}

void BackbufFramebuf::Release() {
  DrawBatch::Flush();
  glViewport(0, 0, Setup::GetScreenWidth(), Setup::GetScreenHeight());
  glPopMatrix();
  Canvas::DisableClipping();
}

void BackbufFramebuf::ReleaseIfBound(TextureInfo& texture) {
  if (bound_ != nullptr && bound_->texture == texture.texture) Release();
}

void BackbufFramebuf::ClearBinding() { bound_ = nullptr; }

void BackbufFramebuf::RefreshSurface() {
  if (bound_ == nullptr) return;
  DrawBatch::Flush();
  const GLint readBuffer = SelectBackForReading();
  glFlush();
  glFinish();
  OpaqueTextures::Forget(bound_->texture);
  glBindTexture(GL_TEXTURE_2D, bound_->texture);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, TexelX(*bound_), TexelY(*bound_), 0,
                      Setup::GetScreenHeight() - bound_->imageHeight, bound_->imageWidth,
                      bound_->imageHeight);
  glReadBuffer(static_cast<GLenum>(readBuffer));
}

// Image rows y .. y + h - 1 lie at window rows y .. y + h - 1 from the top
// of the back buffer, whichever buffer the screen's canvas reads.
void BackbufFramebuf::ReadPixels(int x, int y, int w, int h, unsigned int format, void* buffer) {
  DrawBatch::Flush();
  const GLint readBuffer = SelectBackForReading();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, Setup::GetScreenHeight() - y - h, w, h, format, GL_UNSIGNED_BYTE, buffer);
  glReadBuffer(static_cast<GLenum>(readBuffer));
}

void BackbufFramebuf::CopyToTexture(int x, int y, int w, int h, int textureYOffset) {
  if (bound_ == nullptr) return;
  DrawBatch::Flush();
  OpaqueTextures::Forget(bound_->texture);
  glBindTexture(GL_TEXTURE_2D, bound_->texture);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, textureYOffset, x, Setup::GetScreenHeight() - y - h,
                      w, h);
}

}  // namespace ol
