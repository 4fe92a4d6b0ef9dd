// Level scripts against the live game: the real window, a level that each
// input loads afresh as its script (a fresh world, bike and script state,
// as the game loads a track), then a few physics steps and frames of play.
// Whatever a track file holds, the game must neither crash nor freeze.
//
// Runs in a scratch folder that links in the stage's levels, and
// needs an X display (xvfb-run).
#include <ode/ode.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/app/app.h"
#include "game/app/mainloop.h"
#include "game/bike/bike.h"
#include "game/level/eventmanager.h"
#include "game/level/level.h"
#include "script/scriptmanager.h"
#include "tests/fuzz/fuzzinput.h"

namespace {

// The game gives a level script about a second of work, which is the
// fuzzer's limit for one input, and the sanitizers make the game's share
// of it many times slower: here a fortieth of it (some 500 objects), so
// that only work the budget does not bound can pass the limit.
constexpr long kLevelScriptInstructions = 5000000;

Kest::App* app = nullptr;
Kest::Level* level = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz::StartRun();
  // The game reads a level script only inside its folder: the scratch
  // folder, where each input is written, stands in for the stage, with the
  // stage's levels (the scene files scripts name) linked in.
  std::filesystem::create_directory_symlink(std::string(VANTRAIL_STAGE_DIR) + "/levels", Fuzz::ScratchPath("levels"));
  Fuzz::EnterFolder(Fuzz::ScratchPath(""), argc, argv);
  app = new Kest::App(800, 600);
  if (!app->HasScreen()) {
    std::fprintf(stderr, "The level script target needs an X display (run it under xvfb-run)\n");
    std::exit(1);
  }
  level = new Kest::Level;
  Kest::ScriptLimits limits;
  limits.levelScriptInstructions = kLevelScriptInstructions;
  Kest::ScriptManager::Create(limits);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script = "level.lua";
  Fuzz::WriteFile(script, Fuzz::Text(data, size));
  dRandSetSeed(0);
  level->Load(script, false);
  level->StartPlay();
  // Steps of 2 ms, one a pass, and, every fourth, a frame, in the main loop's order.
  for (int step = 0; step < 8; ++step) {
    Kest::ScriptManager::StartPass();
    if (Kest::Bike* bike = Kest::Bike::GetInstance()) bike->PreStep();
    app->Simulate(Kest::MainLoop::kStepLength);
    Kest::EventManager::GetInstance()->Update();
    if (Kest::Bike* bike = Kest::Bike::GetInstance()) bike->Step(2.0f);
    if (step % 4 == 0) app->UpdateAndDraw(16.0f, true);
    level->IsFinished();
  }
  return 0;
}
