// The image of a level object: a bitmap from the resource manager, and an
// optional mirroring applied whenever it is drawn.
#pragma once

#include <memory>
#include <string>

#include "game/utility/heldtext.h"

namespace ol {
class Bitmap;
class RenderMode;
}  // namespace ol

namespace Kest {

class Texture {
 public:
  Texture();
  ~Texture();
  // A copy loads the same file anew and mirrors the same way.
  Texture(const Texture& other);
  Texture& operator=(const Texture& other);

  // Drops the held bitmap and takes the file's bitmap from the resource
  // manager. A file that does not load is logged; the object then draws
  // with its colours. An empty name leaves the texture empty.
  void Load(const std::string& fileName);

  void SetFlipHorizontally() { SetFlipMode(0); }
  void SetFlipVertically() { SetFlipMode(1); }
  // 0 horizontal, 1 vertical, 2 both (the ol::FlipKind values).
  void SetFlipMode(int mode);
  // Draws unmirrored again; the flip mode value is kept.
  void ClearRenderMode();

  bool IsValid() const;

  // Whole-image blits at opacity 1, through the mirroring when one is set.
  // Angles are radians.
  void Blit(float x, float y) const;
  void BlitRotated(float x, float y, float angle) const;

  const std::string& GetFileName() const { return fileName_; }
  ol::Bitmap* GetBitmap() const { return bitmap_.get(); }
  const ol::RenderMode* GetRenderMode() const { return renderMode_.get(); }
  int GetFlipMode() const { return flipMode_; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }

 private:
  HeldText fileName_;
  std::unique_ptr<ol::Bitmap> bitmap_;
  int flipMode_ = 0;
  std::unique_ptr<ol::RenderMode> renderMode_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace Kest
