// The cost of a level with many objects in view: one frame as the main loop
// draws it (every object updated and drawn twice, then the page flipped) and
// one physics step (the collision pass over what was drawn, then the world
// step). Frame/300 is the busy track the game is sized for. Run it under an
// X server:
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
#include "render/drawbatch.h"

namespace {

// Static ground, two bowls and ledges, then dynamic circles, blocks and
// composites in a grid above them, all in the 800 x 600 view. Larger
// scenes pack the grid tighter so that every object still fits.
void BuildScene(Kest::Space& space, int objects) {
  int count = 0;
  const auto insert = [&](Kest::Object* object) {
    space.Insert(object);
    ++count;
  };
  insert(new Kest::Block(0, 560, 800, 40, "", false));
  insert(Kest::Arc::Create(0, 360, 200, "", 3));
  insert(Kest::Arc::Create(600, 360, 200, "", 4));
  for (int i = 0; i < 3; ++i) insert(new Kest::Line(250 + 100 * i, 420, 330 + 100 * i, 440, "", false));
  const int columns = objects > 300 ? 37 : 28;
  const float spacing = objects > 300 ? 20.0f : 26.0f;
  for (int i = 0; count < objects; ++i) {
    const float x = 30.0f + spacing * float(i % columns);
    const float y = 20.0f + spacing * float(i / columns);
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

// The level of the given size, built and settled once per size.
Kest::App& Level(int objects) {
  static Kest::App* app = [] {
    auto* made = new Kest::App(800, 600);
    Kest::ResourceManager::Create();
    return made;
  }();
  static int built = 0;
  if (built != objects) {
    app->ResetWorld();
    BuildScene(*app->GetSpace(), objects);
    // Let the pile settle a little first.
    for (int i = 0; i < 200; ++i) {
      app->UpdateAndDraw(16.0f, true);
      app->Simulate(0.038f);
    }
    built = objects;
  }
  return *app;
}

void Frame(benchmark::State& state) {
  Kest::App& app = Level(int(state.range(0)));
  const long drawsBefore = ol::DrawBatch::DrawsMade();
  for (auto _ : state) {
    app.UpdateAndDraw(16.0f, true);
    app.UpdateAndDraw(16.0f, true);
    ol::Canvas::Refresh();
  }
  state.counters["drawn"] = double(app.GetDrawList().size());
  state.counters["draws"] =
      double(ol::DrawBatch::DrawsMade() - drawsBefore) / double(state.iterations());
}

void PhysicsStep(benchmark::State& state) {
  Kest::App& app = Level(300);
  app.UpdateAndDraw(16.0f, true);
  for (auto _ : state) app.Simulate(0.038f);
  state.counters["candidates"] = double(app.GetDrawList().size());
}

BENCHMARK(Frame)->Arg(50)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(PhysicsStep)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
