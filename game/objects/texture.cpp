#include "game/objects/texture.h"

#include "game/objects/resourcemanager.h"
#include "game/utility/utility.h"
#include "render/bitmap.h"
#include "render/rendermodes.h"

namespace Kest {

namespace {

ol::Bitmap* FetchBitmap(const std::string& fileName) {
  ResourceManager* resources = ResourceManager::GetInstance();
  return resources ? resources->GetBitmap(fileName) : nullptr;
}

}  // namespace

Texture::Texture() = default;

Texture::~Texture() = default;

Texture::Texture(const Texture& other) { *this = other; }

Texture& Texture::operator=(const Texture& other) {
  if (this == &other) return *this;
  bitmap_.reset();
  renderMode_.reset();
  flipMode_ = other.flipMode_;
  if (other.renderMode_) SetFlipMode(flipMode_);
  if (other.bitmap_) Load(other.fileName_);
  return *this;
}

void Texture::Load(const std::string& fileName) {
  fileName_ = fileName;
  bitmap_.reset();
  if (fileName.empty()) return;
  bitmap_.reset(FetchBitmap(fileName));
  if (bitmap_ && bitmap_->IsValid()) {
    width_ = bitmap_->Width();
    height_ = bitmap_->Height();
    return;
  }
  Log("Failed to create texture: " + fileName + "\n");
}

void Texture::SetFlipMode(int mode) {
  flipMode_ = mode;
  renderMode_.reset(new ol::FlippedMode(mode));
}

void Texture::ClearRenderMode() { renderMode_.reset(); }

bool Texture::IsValid() const { return bitmap_ && bitmap_->IsValid(); }

void Texture::Blit(float x, float y) const {
  if (!IsValid()) return;
  if (renderMode_) {
    bitmap_->BlitWithMode(x, y, *renderMode_);
  } else {
    bitmap_->Blit(x, y);
  }
}

void Texture::BlitRotated(float x, float y, float angle) const {
  if (!IsValid()) return;
  if (renderMode_) {
    bitmap_->BlitRotatedWithMode(x, y, angle, *renderMode_);
  } else {
    bitmap_->BlitRotated(x, y, angle);
  }
}

}  // namespace Kest
