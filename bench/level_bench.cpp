// The cost of loading each shipped track (reset, script run and world
// build) and of one physics step on it as the main loop takes it (the
// bike's pre-step, the collision pass over the drawn objects, the world
// step, the bike's step), and the restart of the largest level the caps
// allow: as many named blocks as a level script can make, each tested by an
// event. Needs an X server: run it under xvfb-run; it
// reads the tracks from the build's stage folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/level/level.h"
#include "game/objects/object.h"
#include "platform/platform.h"
#include "tessora/vec2.h"

namespace {

const char* const kTracks[] = {"levels\\first.lua", "levels\\second.lua"};

// One application and level for the whole program, run from the stage.
Kest::Level& TheLevel() {
  static Kest::App* app = [] {
    if (chdir((Platform::ExecutableDirectory() + "../stage").c_str()) != 0) return (Kest::App*)nullptr;
    return new Kest::App(800, 600);
  }();
  static Kest::Level* level = new Kest::Level();
  (void)app;
  return *level;
}

bool Ready(benchmark::State& state) {
  TheLevel();
  const Kest::App* app = Kest::GetApplication();
  if (!app || !app->HasScreen()) state.SkipWithError("no screen or no stage folder");
  return app && app->HasScreen();
}

void LoadTrack(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string track = kTracks[state.range(0)];
  for (auto _ : state) TheLevel().Load(track, true);
  state.SetLabel(track);
}
BENCHMARK(LoadTrack)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void StepTrack(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string track = kTracks[state.range(0)];
  TheLevel().Load(track, true);
  Kest::App& app = *Kest::GetApplication();
  Kest::Bike& bike = *Kest::Bike::GetInstance();
  const Tessora::Vec2 at = bike.GetPosition();
  app.SetCamera(ol::Vec2(at.x - 400.0f, at.y - 300.0f));
  app.UpdateAndDraw(16.0f, true);
  for (auto _ : state) {
    bike.PreStep();
    app.Simulate(0.038f);
    bike.Step(2.0f);
  }
  state.SetLabel(track);
}
BENCHMARK(StepTrack)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// Blocks until the caps or the script's budget stop it, each tested by an
// event and handed to the space under a name (0) or kept as a prototype (1).
const char* const kLargestLevel = "levels\\benchlargest.lua";
const char* const kHandOvers[] = {"space:Insert(block, 'n' .. i)", "RegisterObject(block, 'n' .. i)"};

std::string LargestLevelScript(const char* handOver) {
  return std::string(
             "local space = GetApplication():GetSpace()\n"
             "for i = 1, 40000 do\n"
             "  local block = CreateBlock(i * 12, 5000, 10, 10, '', false)\n"
             "  if not block then break end\n"
             "  EventYLess(block, -1e30, '')\n  ") +
         handOver + "\nend\n";
}

void RestartLargestLevel(benchmark::State& state) {
  if (!Ready(state)) return;
  std::ofstream("levels/benchlargest.lua") << LargestLevelScript(kHandOvers[state.range(0)]);
  TheLevel().Load(kLargestLevel, true);
  for (auto _ : state) TheLevel().Load(std::string(), true);
  state.counters["objects"] = double(Kest::Object::GetLiveCount());
  state.SetLabel(kHandOvers[state.range(0)]);
  std::remove("levels/benchlargest.lua");
}
BENCHMARK(RestartLargestLevel)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
