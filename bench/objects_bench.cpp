// The cost of a level with 300 objects in view: one frame as the main loop
// draws it (every object updated and drawn twice, then the page flipped) and
// one physics step (the collision pass over what was drawn, then the world
// step). Run it under an X server:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench_objects
#include <benchmark/benchmark.h>

#include "game/app/app.h"
#include "game/objects/arc.h"
#include "game/objects/block.h"
#include "game/objects/circle.h"
#include "game/objects/composite.h"
#include "game/objects/line.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "render/canvas.h"

namespace {

constexpr int kObjects = 300;

// Static ground, two bowls and ledges, then dynamic circles, blocks and
// composites in a grid above them: 300 objects, all in the 800 x 600 view.
void BuildScene(Kest::Space& space) {
  int count = 0;
  const auto insert = [&](Kest::Object* object) {
    space.Insert(object);
    ++count;
  };
  insert(new Kest::Block(0, 560, 800, 40, "", false));
  insert(Kest::Arc::Create(0, 360, 200, "", 3));
  insert(Kest::Arc::Create(600, 360, 200, "", 4));
  for (int i = 0; i < 3; ++i) insert(new Kest::Line(250 + 100 * i, 420, 330 + 100 * i, 440, "", false));
  for (int i = 0; count < kObjects; ++i) {
    const float x = 30.0f + 26.0f * float(i % 28);
    const float y = 20.0f + 26.0f * float(i / 28);
    switch (i % 3) {
      case 0:
        insert(new Kest::Circle(x, y, 9, "", true));
        break;
      case 1:
        insert(new Kest::Block(x - 9, y - 9, 18, 18, "", true));
        break;
      default: {
        auto* composite = new Kest::Composite(x, y, "", true);
        composite->AddBlock(-9, -4, 18, 8);
        composite->AddCircle(0, -4, 5);
        composite->Finalize();
        insert(composite);
      }
    }
  }
}

Kest::App& Level() {
  static Kest::App* app = [] {
    auto* made = new Kest::App(800, 600);
    Kest::ResourceManager::Create();
    BuildScene(*made->GetSpace());
    // Let the pile settle a little first.
    for (int i = 0; i < 200; ++i) {
      made->UpdateAndDraw(16.0f, true);
      made->Simulate(0.038f);
    }
    return made;
  }();
  return *app;
}

void Frame(benchmark::State& state) {
  Kest::App& app = Level();
  for (auto _ : state) {
    app.UpdateAndDraw(16.0f, true);
    app.UpdateAndDraw(16.0f, true);
    ol::Canvas::Refresh();
  }
  state.counters["drawn"] = double(app.GetDrawList().size());
}

void PhysicsStep(benchmark::State& state) {
  Kest::App& app = Level();
  app.UpdateAndDraw(16.0f, true);
  for (auto _ : state) app.Simulate(0.038f);
  state.counters["candidates"] = double(app.GetDrawList().size());
}

BENCHMARK(Frame)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(PhysicsStep)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
