#include "render/allegrodriver.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/platform.h"
#include "render/gl.h"
#include "render/opaquetextures.h"
#include "render/textureinfo.h"
#include "render/textureupload.h"

namespace ol {
namespace {

AllegroGraphicsDriver allegroDriver;

int PackPixel(int depth, int components, const unsigned char* p) {
  return components == 4 ? makeacol_depth(depth, p[0], p[1], p[2], p[3])
                         : makecol_depth(depth, p[0], p[1], p[2]);
}

}  // namespace

GraphicsDriver& ActiveDriver() { return allegroDriver; }

int NextPowerOfTwo(int n) {
  int power = 1;
  while (power < n) power <<= 1;
  return power;
}

// Allegro 4.4 checks its own version when it starts: nothing to compare here.
bool AllegroGraphicsDriver::SetupProgram(bool keyboard, bool mouse, bool timer) {
  if (install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) != 0) return false;
  if (install_allegro_gl() != 0) return false;
  if (keyboard && install_keyboard() != 0) return false;
  if (!mouse && !timer) return true;
  // The mouse needs the timer.
  if (install_timer() != 0) return false;
  return !mouse || install_mouse() != -1;
}

bool AllegroGraphicsDriver::SetupScreen(int w, int h, bool fullscreen, int colorDepth, int zDepth,
                                        int refreshRate) {
  allegro_gl_clear_settings();
  allegro_gl_set(AGL_COLOR_DEPTH, colorDepth);
  allegro_gl_set(AGL_DOUBLEBUFFER, 1);
  allegro_gl_set(AGL_Z_DEPTH, zDepth);
  allegro_gl_set(AGL_RENDERMETHOD, 1);
  allegro_gl_set(AGL_WINDOWED, fullscreen ? FALSE : TRUE);
  allegro_gl_set(AGL_SUGGEST, AGL_COLOR_DEPTH | AGL_DOUBLEBUFFER | AGL_Z_DEPTH | AGL_RENDERMETHOD |
                                  AGL_WINDOWED);
  if (refreshRate > 0) request_refresh_rate(refreshRate);
  return set_gfx_mode(GFX_OPENGL, w, h, 0, 0) == 0;
}

TextureInfo AllegroGraphicsDriver::UploadTexture(const float* pixels, TextureInfo texture) {
  texture.texture = BindNewTexture();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, texture.textureWidth, texture.textureHeight, 0, GL_RGBA,
               GL_FLOAT, pixels);
  OpaqueTextures::Forget(texture.texture);  // its alpha is not looked at
  return texture;
}

TextureInfo AllegroGraphicsDriver::UploadBitmap(BITMAP* bitmap) {
  return UploadImageTexture(bitmap);
}

BITMAP* AllegroGraphicsDriver::CreateMemoryBitmap(int w, int h, int components,
                                                  const unsigned char* pixels) {
  const int depth = components * 8;
  // Allegro has no bitmaps of other depths (1 component: an 8-bit bitmap).
  if (depth != 8 && depth != 16 && depth != 24 && depth != 32) return nullptr;
  BITMAP* bitmap = create_bitmap_ex(depth, w, h);
  if (bitmap == nullptr || (components != 3 && components != 4)) return bitmap;
  const unsigned char* p = pixels;
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x, p += components)
      putpixel(bitmap, x, y, PackPixel(depth, components, p));
  }
  return bitmap;
}

int AllegroGraphicsDriver::GetColorDepth(BITMAP* bitmap) { return bitmap_color_depth(bitmap); }

bool AllegroGraphicsDriver::SaveMemoryBitmap(BITMAP* bitmap, const std::string& filename) {
  return save_bitmap(Platform::ToNativePath(filename).c_str(), bitmap, nullptr) == 0;
}

void AllegroGraphicsDriver::DestroyMemoryBitmap(BITMAP* bitmap) {
  if (bitmap != nullptr) destroy_bitmap(bitmap);
}

Rgba AllegroGraphicsDriver::GetPixel(BITMAP* bitmap, int x, int y) {
  const int depth = bitmap_color_depth(bitmap);
  const int c = getpixel(bitmap, x, y);
  constexpr float SCALE = 1.0f / 255.0f;
  return Rgba(getr_depth(depth, c) * SCALE, getg_depth(depth, c) * SCALE,
              getb_depth(depth, c) * SCALE, geta_depth(depth, c) * SCALE);
}

std::string AllegroGraphicsDriver::GetExecutablePath() { return Platform::ExecutableDirectory(); }

// Names keep the game's backslashes here; they become native paths only when
// the file is opened.
std::string AllegroGraphicsDriver::ToAbsolutePathname(const std::string& filename) {
  const bool absolute = !filename.empty() && (filename[0] == '/' || filename[0] == '\\');
  return absolute ? filename : GetExecutablePath() + filename;
}

bool AllegroGraphicsDriver::HasExtension(const std::string& name) {
  const GLubyte* list = glGetString(GL_EXTENSIONS);
  if (list == nullptr) return false;
  std::istringstream words(reinterpret_cast<const char*>(list));
  std::string word;
  while (words >> word) {
    if (word == name) return true;
  }
  return false;
}

}  // namespace ol
