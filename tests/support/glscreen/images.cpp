#include <allegro.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/glscreen/screen.h"

namespace GlSupport {
namespace {

const std::string& ScratchName() {
  static const std::string name = "scratch-" + std::to_string(getpid());
  return name;
}

void RemoveScratch() { std::filesystem::remove_all(ScratchName()); }

}  // namespace

BITMAP* MakeImage(int depth, int w, int h, const Painter& paint) {
  BITMAP* image = create_bitmap_ex(depth, w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Pixel p = paint(x, y);
      putpixel(image, x, y, makeacol_depth(depth, p.r, p.g, p.b, p.a));
    }
  }
  return image;
}

std::string ScratchPath() { return std::filesystem::absolute(ScratchName()).string() + "/"; }

std::string SavePng(BITMAP* image, const std::string& name) {
  if (std::filesystem::create_directory(ScratchName())) std::atexit(RemoveScratch);
  save_bitmap((ScratchName() + "/" + name).c_str(), image, nullptr);
  destroy_bitmap(image);
  return ScratchName() + "\\" + name;
}

Pixel Quadrants(int x, int y, int w, int h) {
  const bool right = x >= w / 2;
  const bool lower = y >= h / 2;
  if (!lower) return right ? Pixel{0, 255, 0, 255} : Pixel{255, 0, 0, 255};
  return right ? Pixel{255, 255, 255, 255} : Pixel{0, 0, 255, 255};
}

}  // namespace GlSupport
