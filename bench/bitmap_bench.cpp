// What blits cost under the game's own screen: many blits of one 64 x 64
// bitmap, and a whole frame of 300 turned, textured objects of five sizes,
// as a busy track draws them: the textures taking turns, or in runs of one
// texture (tiles of one kind drawn in a row).
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "render/bitmap.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "render/rendermodes.h"
#include "render/setup.h"

namespace {

std::string ScratchFolder() {
  static const std::string folder =
      (std::filesystem::temp_directory_path() / ("vantrail-bitmap-bench-" + std::to_string(getpid())))
          .string();
  return folder;
}

void ShutDown() {
  ol::Setup::Shutdown();
  std::filesystem::remove_all(ScratchFolder());
}

// Opens the screen once for the whole run; the drawing layer goes down
// before the library does (exit handlers run in reverse order).
void OpenScreen() {
  static const bool open = [] {
    ol::Setup::SetupProgram(false, false, true);
    ol::Setup::SetupScreen(800, 600, false, 32, 8, 0);
    std::filesystem::create_directories(ScratchFolder());
    std::atexit(ShutDown);
    return true;
  }();
  (void)open;
}

// A w x h image with a soft-edged disc, so blending has work to do.
std::unique_ptr<ol::Bitmap> MakeBitmap(int w, int h) {
  BITMAP* image = create_bitmap_ex(32, w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int dx = 2 * x - w;
      const int dy = 2 * y - h;
      const int alpha = dx * dx + dy * dy < w * h ? 255 : 64;
      putpixel(image, x, y, makeacol32(x * 255 / w, y * 255 / h, 128, alpha));
    }
  }
  const std::string path =
      ScratchFolder() + "/" + std::to_string(w) + "x" + std::to_string(h) + ".png";
  save_bitmap(path.c_str(), image, nullptr);
  destroy_bitmap(image);
  auto bitmap = std::make_unique<ol::Bitmap>();
  bitmap->Load(path);
  return bitmap;
}

// Blits of one 64 x 64 bitmap, finished on the GPU but not flipped.
void BM_Blit64(benchmark::State& state) {
  OpenScreen();
  const auto bitmap = MakeBitmap(64, 64);
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
    for (int i = 0; i < count; ++i) {
      bitmap->Blit(static_cast<float>((i * 37) % 736), static_cast<float>((i * 53) % 536));
    }
    ol::DrawBatch::Flush();
    glFinish();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_Blit64)->Arg(100)->Arg(1000)->UseRealTime()->Unit(benchmark::kMillisecond);

// One whole frame: clear, 300 objects turned about their pivots (every
// third one mirrored, as the game's flipped textures are), flip. The
// argument is how many objects of one texture come in a row.
void BM_Frame300TexturedObjects(benchmark::State& state) {
  OpenScreen();
  std::vector<std::unique_ptr<ol::Bitmap>> bitmaps;
  for (int size : {16, 24, 32, 48, 64}) bitmaps.push_back(MakeBitmap(size, size * 3 / 4));
  const int run = static_cast<int>(state.range(0));
  const ol::FlippedMode mirror(ol::FLIP_HORIZONTAL);
  const long drawsBefore = ol::DrawBatch::DrawsMade();
  for (auto _ : state) {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
    for (int i = 0; i < 300; ++i) {
      const ol::Bitmap& bitmap = *bitmaps[(i / run) % bitmaps.size()];
      const float x = static_cast<float>((i * 37) % 800);
      const float y = static_cast<float>((i * 53) % 600);
      const float angle = static_cast<float>(i) * 0.1f;
      if (i % 3 == 0) {
        bitmap.BlitRotatedWithMode(x, y, angle, mirror);
      } else {
        bitmap.BlitRotated(x, y, angle);
      }
    }
    ol::Canvas::Refresh();
  }
  state.SetItemsProcessed(state.iterations() * 300);
  state.counters["draws"] =
      double(ol::DrawBatch::DrawsMade() - drawsBefore) / double(state.iterations());
}
BENCHMARK(BM_Frame300TexturedObjects)->Arg(1)->Arg(60)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
