// The graphics driver over Allegro 4, AllegroGL and loadpng.
#pragma once

#include "render/graphicsdriver.h"

namespace ol {

class AllegroGraphicsDriver : public GraphicsDriver {
 public:
  bool SetupProgram(bool keyboard, bool mouse, bool timer) override;
  bool SetupScreen(int w, int h, bool fullscreen, int colorDepth, int zDepth,
                   int refreshRate) override;
  TextureInfo UploadTexture(const float* pixels, TextureInfo texture) override;
  TextureInfo UploadBitmap(BITMAP* bitmap) override;
  BITMAP* CreateMemoryBitmap(int w, int h, int components, const unsigned char* pixels) override;
  int GetColorDepth(BITMAP* bitmap) override;
  bool SaveMemoryBitmap(BITMAP* bitmap, const std::string& filename) override;
  void DestroyMemoryBitmap(BITMAP* bitmap) override;
  Rgba GetPixel(BITMAP* bitmap, int x, int y) override;
  std::string GetExecutablePath() override;
  std::string ToAbsolutePathname(const std::string& filename) override;

  // Whether the GL extension list holds exactly this name as a whole word.
  static bool HasExtension(const std::string& name);
};

}  // namespace ol
