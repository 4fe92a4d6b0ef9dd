// What the debug console costs per frame: its figures, GUI logic and drawing
// with a full event list, alone and in a frame of the empty level. Needs an
// X server: run it under xvfb-run. The game's font comes from the build's
// stage folder, whose "res" it links beside the program, where the drawing
// layer looks for images.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/app/app.h"
#include "game/screens/debugconsole.h"
#include "game/screens/guifont.h"
#include "platform/platform.h"
#include "render/canvas.h"
#include "render/gl.h"

namespace {

// One application, font and console for the whole program, with the 21
// lines of eleven events.
Kest::DebugConsole* TheConsole() {
  static Kest::App* app = [] {
    const std::filesystem::path res = Platform::ExecutableDirectory() + "res";
    std::error_code failed;
    if (!std::filesystem::exists(res))
      std::filesystem::create_directory_symlink(Platform::ExecutableDirectory() + "../stage/res", res, failed);
    return failed ? nullptr : new Kest::App(800, 600);
  }();
  if (!app || !app->HasScreen()) return nullptr;
  static Kest::GuiFont font;
  static Kest::DebugConsole* console = [] {
    auto* made = new Kest::DebugConsole();
    for (int event = 0; event < 11; ++event) Kest::DebugConsole::Log("restart levels\\first.lua");
    made->figures = Kest::ConsoleFigures{250.0f, 358.0f, 0.25f, 60.0f, 55.0f, 61.0f, true};
    return made;
  }();
  return console;
}

void ConsoleDraw(benchmark::State& state) {
  Kest::DebugConsole* console = TheConsole();
  if (!console) {
    state.SkipWithError("no screen or no stage folder");
    return;
  }
  for (auto _ : state) {
    console->Draw();
    glFinish();
  }
  ol::Canvas::Refresh();
}
BENCHMARK(ConsoleDraw)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A play frame of the empty level (two passes and the flip), without the
// console (0) and with it (1).
void PlayFrame(benchmark::State& state) {
  Kest::DebugConsole* console = TheConsole();
  if (!console) {
    state.SkipWithError("no screen or no stage folder");
    return;
  }
  Kest::App& app = *Kest::GetApplication();
  const bool shown = state.range(0) == 1;
  for (auto _ : state) {
    app.UpdateAndDraw(16.0f, true);
    app.UpdateAndDraw(16.0f, true);
    if (shown) console->Draw();
    ol::Canvas::Refresh();
    glFinish();
  }
  state.SetLabel(shown ? "console shown" : "console hidden");
}
BENCHMARK(PlayFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
