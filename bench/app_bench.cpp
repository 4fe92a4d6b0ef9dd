// The cost of a frame with nothing in it: the screen cleared and the empty
// space walked twice, as the main loop does, then the page flipped. Needs an
// X server: run it under xvfb-run.
#include <benchmark/benchmark.h>

#include "game/app/app.h"
#include "render/canvas.h"

namespace {

void EmptyFrame(benchmark::State& state) {
  static Kest::App app(800, 600);
  if (!app.HasScreen()) {
    state.SkipWithError("no screen");
    return;
  }
  for (auto _ : state) {
    app.UpdateAndDraw(16.0f, true);
    app.UpdateAndDraw(16.0f, true);
    ol::Canvas::Refresh();
  }
}
BENCHMARK(EmptyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
