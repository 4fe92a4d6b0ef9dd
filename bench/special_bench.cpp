// The cost of a frame whose whole view is covered by blocks that glow around
// the bike (one frame as the main loop draws it: two update-and-draw passes
// and the page flip). The view is tiled with square blocks of the given side;
// a block far larger than the view costs no more than the view's cells.
// Run it under an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench_special
#include <benchmark/benchmark.h>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/objects/compositeblock.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "render/canvas.h"

namespace {

Kest::App& Screen() {
  static Kest::App* app = [] {
    auto* made = new Kest::App(800, 600);
    Kest::ResourceManager::Create();
    return made;
  }();
  return *app;
}

// The bike in the middle of the view; blocks of that side from the view's
// top-left corner until the view is covered. Far cells are drawn black.
// Returns the number of blocks.
int BuildLitView(Kest::App& app, float side) {
  app.ResetWorld();
  Kest::Bike::Create()->MoveTo(400.0f, 300.0f);
  int blocks = 0;
  for (float y = 0.0f; y < Kest::kViewHeight; y += side) {
    for (float x = 0.0f; x < Kest::kViewWidth; x += side, ++blocks) {
      app.GetSpace()->Insert(
          new Kest::CompositeBlock(x, y, side, side, true, false, true, 200, false, 300), 5);
    }
  }
  return blocks;
}

void LitView(benchmark::State& state) {
  Kest::App& app = Screen();
  const int blocks = BuildLitView(app, float(state.range(0)));
  for (auto _ : state) {
    app.UpdateAndDraw(16.0f, true);
    app.UpdateAndDraw(16.0f, true);
    ol::Canvas::Refresh();
  }
  state.counters["blocks"] = blocks;
}

BENCHMARK(LitView)
    ->Arg(60)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
