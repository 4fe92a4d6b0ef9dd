// The drawing layer's image: a PNG loaded into memory, given an alpha
// channel when it has none, uploaded as a texture and drawn as a textured
// quad (plain, stretched, rotated about its pivot, or through a render mode).
// Sub-images share a part of a larger bitmap's texture. A load asked for
// before the screen exists is queued and runs when the screen is set up.
#pragma once

#include <memory>
#include <string>

#include "render/collector.h"
#include "render/textureinfo.h"

struct BITMAP;

namespace ol {

class Bitmap;
class Rect;
class RenderMode;

class LoadCommand {
 public:
  virtual ~LoadCommand() = default;
  virtual OlLoadResult Execute(Bitmap& bitmap) = 0;
};

class BitmapLoadCommand : public LoadCommand {
 public:
  explicit BitmapLoadCommand(std::string filename) : filename_(std::move(filename)) {}
  OlLoadResult Execute(Bitmap& bitmap) override;

 private:
  std::string filename_;
};

class Bitmap : public GarbageCollected {
 public:
  // An empty bitmap, registered with the collector.
  Bitmap();
  // A sub-image: the area (x, y, w, h in the source's image pixels) of the
  // source, sharing its texture. It must not outlive the source.
  Bitmap(Bitmap& source, const Rect& area);
  ~Bitmap() override;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  // Loads a PNG (file names as the game writes them, "res\moto.png";
  // relative names are found beside the executable). Before the screen
  // exists the load is queued and true is returned. The flag is accepted for
  // the game's calls and changes nothing.
  bool Load(const std::string& filename, int flags = 0);

  // The point that BlitRotated places and turns about; without it the
  // pivot is the image's centre, set at load.
  void SetDefaultPivot(float x, float y);
  float PivotX() const { return pivotX_; }
  float PivotY() const { return pivotY_; }

  // Blits draw nothing while the bitmap has no texture. Angles are radians.
  void Blit(float x, float y, float opacity = 1.0f) const;
  void BlitStretched(float x, float y, float w, float h, float opacity = 1.0f) const;
  // At its own size, read texel for texel: for a place that lands on whole
  // pixels (a picture fixed to the screen), where filtering changes nothing.
  void BlitTexelForTexel(float x, float y) const;
  void BlitRotated(float x, float y, float angle, float opacity = 1.0f) const;
  void BlitWithMode(float x, float y, const RenderMode& mode, float opacity = 1.0f) const;
  void BlitRotatedWithMode(float x, float y, float angle, const RenderMode& mode,
                           float opacity = 1.0f) const;

  int Width() const { return texture_.imageWidth; }
  int Height() const { return texture_.imageHeight; }
  const TextureInfo& GetTextureInfo() const { return texture_; }
  // The canvas binds this record when drawing is redirected into the bitmap.
  TextureInfo& GetTextureInfo() { return texture_; }
  // Whether load found no alpha in the image and made it opaque.
  bool AlphaWasFilled() const { return alphaFilled_; }
  // Whether every texel a blit can read is known to be opaque.
  bool IsOpaque() const;

  void Destroy(bool leaveCollector) override;
  OlLoadResult ExecuteQueuedCommands() override;
  // Reads the texture back into a memory bitmap and lets the texture go.
  void UnloadToMemory() override;
  // Uploads the memory bitmap as the bitmap's texture.
  void SendToGPU() override;
  bool IsValid() const override { return texture_.HasTexture(); }
  bool HasQueuedCommands() const override { return pendingLoad_ != nullptr; }
  void AddToGarbageCollector() override;

 private:
  // Copies the image onto the screen where that gives the same pixels as
  // drawing it texel for texel at (x, y); false where it does not.
  bool CopiesToScreen(float x, float y) const;
  void ReplaceMemoryBitmap(BITMAP* bitmap);
  void DeleteOwnTexture();

  TextureInfo texture_;
  BITMAP* memoryBitmap_ = nullptr;  // owned; only kept between loading and upload
  std::unique_ptr<LoadCommand> pendingLoad_;
  float pivotX_ = 0.0f;
  float pivotY_ = 0.0f;
  bool pivotAtCentre_ = true;
  bool textureShared_ = false;  // a sub-image's texture belongs to its source
  bool alphaFilled_ = false;
};

}  // namespace ol
