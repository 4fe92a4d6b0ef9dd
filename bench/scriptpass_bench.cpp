// The longest pass of the main loop a hostile level script can force: its
// event texts run as one pass runs them (a fresh pass budget, then every
// event whose condition holds). Each benchmark is one kind of script: ten
// thousand texts that never end, a backtracking pattern, string.rep of the
// empty text two billion times, a loop of cheap string calls on a long
// text, and writes to the module's class tables. A pass is timed once per
// iteration; what the game allows a pass is about 100 ms. The level
// scripts after them do in a loop what a binding does besides the
// interpreter's own work: composite parts, scene files that include
// themselves, objectives, and lookups of what is not there. A load is timed
// once per iteration; what the game allows a level script is about a second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game/level/condition.h"
#include "game/level/eventmanager.h"
#include "game/objects/bodyobject.h"
#include "game/objects/resourcemanager.h"
#include "game/screens/objectiveswindow.h"
#include "script/scriptmanager.h"
#include "tessora/world.h"

namespace {

// Holds at every step, so that its event runs in every pass.
class Always : public Kest::Condition {
 public:
  bool IsSatisfied(Kest::Object*) override { return true; }
};

class HostileLevel {
 public:
  HostileLevel(const std::string& text, int events) {
    Kest::EventManager::Create();
    Kest::ScriptManager::Create();
    const char* const script = "bench-hostile.lua";
    std::ofstream(script) << "long = string.rep('a', 100000)\n";
    Kest::ScriptManager::GetInstance()->LoadScript(script);
    std::remove(script);
    for (int i = 0; i < events; ++i) {
      Kest::EventManager::GetInstance()->AddEvent(nullptr, new Always(), text, false);
    }
  }
  ~HostileLevel() {
    Kest::EventManager::Destroy();
    Kest::ScriptManager::Destroy();
  }

  void Pass() {
    Kest::ScriptManager::StartPass();
    Kest::EventManager::GetInstance()->Update();
  }
};

void RunPasses(benchmark::State& state, const char* text, int events) {
  HostileLevel level(text, events);
  for (auto _ : state) level.Pass();
}

void BM_TenThousandEndlessTexts(benchmark::State& state) {
  RunPasses(state, "local i = 0 while true do i = i + 1 end", 10000);
}
BENCHMARK(BM_TenThousandEndlessTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BacktrackingPattern(benchmark::State& state) {
  RunPasses(state, "string.find(string.rep('a', 5000), string.rep('a*', 12) .. 'b')", 1);
}
BENCHMARK(BM_BacktrackingPattern)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RepeatTheEmptyText(benchmark::State& state) {
  RunPasses(state, "for i = 1, 100 do local s = string.rep('', 2147483647) end", 1);
}
BENCHMARK(BM_RepeatTheEmptyText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CheapCallsOnALongText(benchmark::State& state) {
  RunPasses(state, "for i = 1, 100000 do local s = string.upper(long) end", 1);
}
BENCHMARK(BM_CheapCallsOnALongText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SubstitutionsThatMultiplyTheirText(benchmark::State& state) {
  RunPasses(state, "local s = string.gsub(string.sub(long, 1, 10000), 'a', string.rep('x', 60))", 100);
}
BENCHMARK(BM_SubstitutionsThatMultiplyTheirText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ClassTableWrites(benchmark::State& state) {
  RunPasses(state, "Kest.Object.__gc = function() while true do end end Kest.Object.tolua_ubox = 1", 1000);
}
BENCHMARK(BM_ClassTableWrites)->Unit(benchmark::kMillisecond)->Iterations(3);

// A level without a screen: its world, resources, objectives and script.
class ScriptedLevel {
 public:
  ScriptedLevel() {
    Kest::SetPhysicsWorld(&world_);
    Kest::ResourceManager::Create();
    Kest::ObjectivesWindow::Create();
    Kest::ScriptManager::Create();
  }
  ~ScriptedLevel() {
    Kest::ScriptManager::Destroy();
    Kest::ObjectivesWindow::Destroy();
    Kest::ResourceManager::Destroy();
    Kest::SetPhysicsWorld(nullptr);
  }
  void Load(const std::string& source) {
    const char* const script = "bench-level.lua";
    std::ofstream(script) << source;
    Kest::ScriptManager::GetInstance()->LoadScript(script);
    std::remove(script);
  }

 private:
  Tessora::World world_;
};

void LoadLevels(benchmark::State& state, const std::string& source) {
  for (auto _ : state) {
    ScriptedLevel level;
    level.Load(source);
  }
}

void BM_CompositeParts(benchmark::State& state) {
  LoadLevels(state, "c = CreateComposite(0, 0, '') for i = 1, 1000000 do c:AddBlock(i, 0, 1, 1) end");
}
BENCHMARK(BM_CompositeParts)->Unit(benchmark::kMillisecond)->Iterations(3);

// 20,000 elements after an include of itself, made 40 times.
void BM_SelfIncludingSceneFile(benchmark::State& state) {
  std::ofstream file("bench-self.xml");
  file << "<scene><e def='bench-self.xml'/>";
  for (int i = 0; i < 20000; ++i) file << "<e/>";
  file << "</scene>";
  file.close();
  LoadLevels(state, "for i = 1, 40 do CreateObject('bench-self.xml', 0, 0) end");
  std::remove("bench-self.xml");
}
BENCHMARK(BM_SelfIncludingSceneFile)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_EmptyObjectives(benchmark::State& state) {
  LoadLevels(state, "for i = 1, 2000000 do AddObjective('') end");
}
BENCHMARK(BM_EmptyObjectives)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MissingSceneFiles(benchmark::State& state) {
  LoadLevels(state, "for i = 1, 3000000 do CreateObject('missing.xml', i, i) end");
}
BENCHMARK(BM_MissingSceneFiles)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MissingPrototypes(benchmark::State& state) {
  LoadLevels(state, "for i = 1, 1000000 do CloneObject('none', 0, 0) CloneSprite('none') end");
}
BENCHMARK(BM_MissingPrototypes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
