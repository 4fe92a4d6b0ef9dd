// What filled polygons cost per frame on the OpenGL screen (run it under
// Xvfb: xvfb-run -a -s "-screen 0 1024x768x24" bench_render).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "render/canvas.h"
#include "render/gl.h"
#include "render/polygon.h"
#include "render/setup.h"

namespace {

void EnsureScreen() {
  static const bool ready = [] {
    ol::Setup::SetupProgram(true, true, true);
    const bool opened = ol::Setup::SetupScreen(800, 600, false, 32, 8, 0);
    // Runs before the library's own exit handler: the layer goes first.
    std::atexit(ol::Setup::Shutdown);
    return opened;
  }();
  if (!ready) std::abort();
}

// A convex octagon of radius about 20.
ol::Polygon Octagon() {
  return ol::Polygon({ol::Vec2(20, 0), ol::Vec2(34, 6), ol::Vec2(40, 20), ol::Vec2(34, 34),
                      ol::Vec2(20, 40), ol::Vec2(6, 34), ol::Vec2(0, 20), ol::Vec2(6, 6)});
}

// One frame: clear, N filled polygons spread over the screen, flip.
void BM_FilledPolygonsPerFrame(benchmark::State& state) {
  EnsureScreen();
  const int count = static_cast<int>(state.range(0));
  std::vector<ol::Polygon> polygons(count, Octagon());
  for (int i = 0; i < count; ++i) polygons[i].MoveTo(ol::Vec2((i * 37) % 760, (i * 53) % 560));
  const ol::Rgba color(0.2f, 0.6f, 0.3f, 0.8f);
  for (auto _ : state) {
    ol::Canvas::Fill(0.0f, 0.0f, 0.0f, 1.0f);
    for (const ol::Polygon& polygon : polygons) polygon.Draw(color);
    ol::Canvas::Refresh();
    glFinish();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_FilledPolygonsPerFrame)->Arg(0)->Arg(10)->Arg(100)->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
