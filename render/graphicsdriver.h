// The one door from the drawing layer to the graphics library: program and
// screen start-up, texture uploads, memory bitmaps and the executable's
// folder. The layer reaches the library only through the active driver.
#pragma once

#include <string>

#include "render/rgba.h"

struct BITMAP;

namespace ol {

struct TextureInfo;

class GraphicsDriver {
 public:
  virtual ~GraphicsDriver() = default;

  virtual bool SetupProgram(bool keyboard, bool mouse, bool timer) = 0;
  virtual bool SetupScreen(int w, int h, bool fullscreen, int colorDepth, int zDepth,
                           int refreshRate) = 0;
  // Uploads RGBA float pixels of the record's texture size; the record comes
  // back with its new texture name.
  virtual TextureInfo UploadTexture(const float* pixels, TextureInfo texture) = 0;
  // Uploads a memory bitmap as a texture whose top rows hold the image.
  virtual TextureInfo UploadBitmap(BITMAP* bitmap) = 0;
  // Builds a memory bitmap of 3 (RGB) or 4 (RGBA) bytes a pixel from rows
  // given bottom row first, as GL reads them back.
  virtual BITMAP* CreateMemoryBitmap(int w, int h, int components,
                                     const unsigned char* pixels) = 0;
  virtual int GetColorDepth(BITMAP* bitmap) = 0;
  virtual bool SaveMemoryBitmap(BITMAP* bitmap, const std::string& filename) = 0;
  virtual void DestroyMemoryBitmap(BITMAP* bitmap) = 0;
  virtual Rgba GetPixel(BITMAP* bitmap, int x, int y) = 0;
  // The executable's folder, trailing separator kept.
  virtual std::string GetExecutablePath() = 0;
  // A relative name is taken from the executable's folder; an absolute one
  // comes back unchanged.
  virtual std::string ToAbsolutePathname(const std::string& filename) = 0;
};

// The driver the layer uses (always the Allegro driver).
GraphicsDriver& ActiveDriver();

// The smallest power of two not below n (1 for n <= 1).
int NextPowerOfTwo(int n);

}  // namespace ol
