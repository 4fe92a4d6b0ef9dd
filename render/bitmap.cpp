#include "render/bitmap.h"

#include <cmath>
#include <vector>

#include "platform/platform.h"
#include "platform/trace.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/framebuffer.h"
#include "render/gl.h"
#include "render/graphicsdriver.h"
#include "render/opaquetextures.h"
#include "render/rect.h"
#include "render/blenders.h"
#include "render/screencopy.h"
#include "render/transforms.h"
#include "render/settings.h"
#include "render/setup.h"
#include "render/textureimage.h"
#include "render/texturequad.h"

namespace ol {
namespace {

int ComponentsOf(unsigned int format) {
  switch (format) {
    case GL_ALPHA:
      return 1;
    case GL_RGB:
      return 3;
    case GL_RGBA:
      return 4;
    default:
      return 0;
  }
}

void SetTextureFilters(unsigned int texture) {
  const GLint filter = Settings::IsAntialiased() ? GL_LINEAR : GL_NEAREST;
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

}  // namespace

OlLoadResult BitmapLoadCommand::Execute(Bitmap& bitmap) {
  return bitmap.Load(filename_) ? OL_LOAD_DONE : OL_LOAD_FAILED;
}

Bitmap::Bitmap() { AddToGarbageCollector(); }

Bitmap::Bitmap(Bitmap& source, const Rect& area)
    : texture_(source.texture_.SubImage(area.GetPosition().x, area.GetPosition().y,
                                        area.GetSize().x, area.GetSize().y)),
      textureShared_(true) {
  AddToGarbageCollector();
}

Bitmap::~Bitmap() { Destroy(true); }

void Bitmap::AddToGarbageCollector() {
  if (GarbageCollector* collector = GarbageCollector::Get()) collector->Register(this);
}

// Before the screen exists there is no GL to upload to: the load waits for
// the auto loader. Only the latest queued load of a bitmap counts.
bool Bitmap::Load(const std::string& filename, int /*flags*/) {
  if (!Setup::IsScreenSetUp()) {
    Platform::Trace("Loading queued for bitmap: " + filename);
    pendingLoad_ = std::make_unique<BitmapLoadCommand>(filename);
    return true;
  }
  const LoadedImage image =
      LoadImageFile(Platform::ToNativePath(ActiveDriver().ToAbsolutePathname(filename)));
  if (image.bitmap == nullptr) {
    Platform::Trace("Cannot load bitmap: " + filename);
    return false;
  }
  ReplaceMemoryBitmap(image.bitmap);
  alphaFilled_ = image.alphaFilled;
  if (pivotAtCentre_) {
    pivotX_ = static_cast<float>(image.bitmap->w / 2);
    pivotY_ = static_cast<float>(image.bitmap->h / 2);
  }
  SendToGPU();
  return true;
}

void Bitmap::SetDefaultPivot(float x, float y) {
  pivotX_ = x;
  pivotY_ = y;
  pivotAtCentre_ = false;
}

void Bitmap::Blit(float x, float y, float opacity) const {
  BlitStretched(x, y, static_cast<float>(Width()), static_cast<float>(Height()), opacity);
}

void Bitmap::BlitStretched(float x, float y, float w, float h, float opacity) const {
  if (!IsValid()) return;
  DrawTexturedQuad(texture_, QuadPlacement{x, y, false, 0.0f, 0.0f, 0.0f}, w, h, opacity);
}

// An opaque image drawn untinted onto whole pixels of the back buffer, under
// the alpha blender, shows its texels unchanged: it is copied.
bool Bitmap::CopiesToScreen(float x, float y) const {
  const Vec2 onScreen = Transforms::GetPosition() + Vec2(x, y);
  const Rgba& tint = *Transforms::GetTintColor();
  return Settings::HasPixelSavings() && IsOpaque() && Canvas::IsWholeBackBuffer() &&
         Blenders::IsAlphaBlending() && tint.r == 1.0f && tint.g == 1.0f && tint.b == 1.0f &&
         tint.a == 1.0f && onScreen.x == std::floor(onScreen.x) &&
         onScreen.y == std::floor(onScreen.y) &&
         ScreenCopy::Copy(texture_, static_cast<int>(onScreen.x), static_cast<int>(onScreen.y));
}

void Bitmap::BlitTexelForTexel(float x, float y) const {
  if (!IsValid() || CopiesToScreen(x, y)) return;
  DrawTexturedQuad(texture_, QuadPlacement{x, y, false, 0.0f, 0.0f, 0.0f},
                   static_cast<float>(Width()), static_cast<float>(Height()), 1.0f, TEXEL_SAMPLING);
}

bool Bitmap::IsOpaque() const { return OpaqueTextures::IsOpaque(texture_.texture); }

void Bitmap::BlitRotated(float x, float y, float angle, float opacity) const {
  if (!IsValid()) return;
  DrawTexturedQuad(texture_, QuadPlacement{x, y, true, angle, pivotX_, pivotY_},
                   static_cast<float>(Width()), static_cast<float>(Height()), opacity);
}

void Bitmap::BlitWithMode(float x, float y, const RenderMode& mode, float opacity) const {
  if (!IsValid()) return;
  DrawTexturedQuadWithMode(texture_, QuadPlacement{x, y, false, 0.0f, 0.0f, 0.0f}, mode, opacity);
}

void Bitmap::BlitRotatedWithMode(float x, float y, float angle, const RenderMode& mode,
                                 float opacity) const {
  if (!IsValid()) return;
  DrawTexturedQuadWithMode(texture_, QuadPlacement{x, y, true, angle, pivotX_, pivotY_}, mode,
                           opacity);
}

// A sub-image leaves the texture to its source and only forgets it.
void Bitmap::Destroy(bool leaveCollector) {
  DeleteOwnTexture();
  ReplaceMemoryBitmap(nullptr);
  pendingLoad_.reset();
  if (!leaveCollector) return;
  if (GarbageCollector* collector = GarbageCollector::Get()) collector->Unregister(this);
}

OlLoadResult Bitmap::ExecuteQueuedCommands() {
  if (!pendingLoad_) return OL_LOAD_DONE;
  const std::unique_ptr<LoadCommand> command = std::move(pendingLoad_);
  return command->Execute(*this);
}

void Bitmap::SendToGPU() {
  if (memoryBitmap_ == nullptr) return;
  DeleteOwnTexture();
  texture_ = ActiveDriver().UploadBitmap(memoryBitmap_);
  textureShared_ = false;  // the new texture is this bitmap's own
  SetTextureFilters(texture_.texture);
  ReplaceMemoryBitmap(nullptr);
}

// The image is drawn into the back buffer through the bitmap target and
// read back from there.
void Bitmap::UnloadToMemory() {
  const int w = Width();
  const int h = Height();
  const int components = ComponentsOf(texture_.format);
  if (!IsValid() || w <= 0 || h <= 0 || components == 0) return;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(components) * w * h);
  Canvas::PushCanvas();
  Canvas::SetToBitmap(*this);
  if (FrameBuffer* framebuffer = FrameBuffer::GetInstance()) {
    framebuffer->ReadPixels(0, 0, w, h, texture_.format, pixels.data());
  }
  Canvas::PopCanvas();
  ReplaceMemoryBitmap(ActiveDriver().CreateMemoryBitmap(w, h, components, pixels.data()));
  DeleteOwnTexture();
}

void Bitmap::ReplaceMemoryBitmap(BITMAP* bitmap) {
  ActiveDriver().DestroyMemoryBitmap(memoryBitmap_);
  memoryBitmap_ = bitmap;
}

// Draws gathered with the texture go first.
void Bitmap::DeleteOwnTexture() {
  if (texture_.texture != 0 && !textureShared_) {
    DrawBatch::Flush();
    OpaqueTextures::Forget(texture_.texture);
    glDeleteTextures(1, &texture_.texture);
  }
  texture_.texture = 0;
}

}  // namespace ol
