// Drawing into a bitmap, emulated on the back buffer: the bitmap's texture is
// drawn into the top-left corner of the back buffer, drawing lands there, and
// a refresh copies the area back into the texture.
#pragma once

namespace ol {

struct TextureInfo;

class FrameBuffer {
 public:
  virtual ~FrameBuffer() = default;

  virtual const char* GetName() const = 0;
  virtual bool IsAvailable() const = 0;
  // Starts redirecting drawing into the texture.
  virtual void BindToTexture(TextureInfo& texture) = 0;
  // Ends the redirection (viewport, matrix, clipping); the binding stays.
  virtual void Release() = 0;
  virtual void ReleaseIfBound(TextureInfo& texture) = 0;
  virtual void ClearBinding() = 0;
  // Copies what was drawn back into the bound texture.
  virtual void RefreshSurface() = 0;
  // Reads a rectangle of the bound image (image pixels, rows bottom first).
  virtual void ReadPixels(int x, int y, int w, int h, unsigned int format, void* buffer) = 0;
  virtual void CopyToTexture(int x, int y, int w, int h, int textureYOffset) = 0;

  // The framebuffer in use, selected on first use; null after DestroyAll.
  static FrameBuffer* GetInstance();
  // Forgets the bound texture and deletes every registered framebuffer.
  static void DestroyAll();
};

class BackbufFramebuf : public FrameBuffer {
 public:
  const char* GetName() const override;
  bool IsAvailable() const override;
  void BindToTexture(TextureInfo& texture) override;
  void Release() override;
  void ReleaseIfBound(TextureInfo& texture) override;
  void ClearBinding() override;
  void RefreshSurface() override;
  void ReadPixels(int x, int y, int w, int h, unsigned int format, void* buffer) override;
  void CopyToTexture(int x, int y, int w, int h, int textureYOffset) override;

 private:
  TextureInfo* bound_ = nullptr;
};

}  // namespace ol
