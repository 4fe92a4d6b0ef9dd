// The longest pass of the main loop a hostile level script can force: its
// event texts run as one pass runs them (a fresh pass budget, then every
// event whose condition holds). Each benchmark is one kind of script: ten
// thousand texts that never end, a backtracking pattern, string.rep of the
// empty text two billion times, a loop of cheap string calls on a long
// text, a huge copy and a quadratic plain search, and writes to the
// module's class tables; and, for scale, the ordinary string calls of a
// track, which run to their results. A pass is timed once per iteration;
// what the game allows a pass is about 100 ms. The level
// scripts after them do in a loop what a binding does besides the
// interpreter's own work: composite parts, scene files that include
// themselves, objectives, and lookups of what is not there. A load is timed
// once per iteration; what the game allows a level script is about a second.
#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "game/level/condition.h"
#include "game/level/eventmanager.h"
#include "game/level/timeelapsed.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
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

// Ordinary string calls of a track: pairs out of a text, a trim, a search and a word.
void BM_HonestStringCalls(benchmark::State& state) {
  RunPasses(state,
            "local pairs = string.match(string.rep('key=value ', 20), '(%w+)=(%w+)') "
            "local trimmed = string.gsub('  ' .. string.rep('word ', 1000) .. '  ', '^%s*(.-)%s*$', '%1') "
            "local found = string.find('a' .. string.rep('x', 1198) .. 'b', 'a.-b') "
            "local word = string.match(string.rep('word', 300), '(%a+)')",
            1);
}
BENCHMARK(BM_HonestStringCalls)->Unit(benchmark::kMillisecond)->Iterations(3);

// A copy far past the state's memory.
void BM_HugeRepeat(benchmark::State& state) { RunPasses(state, "local s = string.rep('ab', 2^30)", 1); }
BENCHMARK(BM_HugeRepeat)->Unit(benchmark::kMillisecond)->Iterations(3);

// A plain search that compares most of a long needle at every place of the text.
void BM_QuadraticPlainSearch(benchmark::State& state) {
  RunPasses(state, "local found = string.find(long .. long, string.rep('a', 100000) .. 'b', 1, true)", 1);
}
BENCHMARK(BM_QuadraticPlainSearch)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ClassTableWrites(benchmark::State& state) {
  RunPasses(state, "Kest.Object.__gc = function() while true do end end Kest.Object.tolua_ubox = 1", 1000);
}
BENCHMARK(BM_ClassTableWrites)->Unit(benchmark::kMillisecond)->Iterations(3);

// Event texts that do an ordinary amount of work: one text making two
// thousand conditions (each counts as a made object), and thirty once-only
// events making ninety each, all firing in one pass. Counted: the texts
// that ran whole in three passes (when each text had a million
// instructions and an object cost 10,000: none of one, 22 of thirty).
void RunEventsMakingConditions(benchmark::State& state, int events, int each) {
  const std::string text = "made = (made or 0) + 1 for i = 1, " + std::to_string(each) +
                           " do local c = CreateEventXGreater(i) end ran = (ran or 0) + 1";
  for (auto _ : state) {
    HostileLevel level("", 0);
    for (int i = 0; i < events; ++i) {
      Kest::EventManager::GetInstance()->AddEvent(nullptr, new Always(), text, true);
    }
    for (int pass = 0; pass < 3; ++pass) level.Pass();
    lua_State* L = Kest::ScriptManager::GetInstance()->GetState();
    lua_getglobal(L, "ran");
    state.counters["texts_run"] = lua_tonumber(L, -1);
    lua_pop(L, 1);
  }
}

void BM_OneTextMakesTwoThousandConditions(benchmark::State& state) {
  RunEventsMakingConditions(state, 1, 2000);
}
BENCHMARK(BM_OneTextMakesTwoThousandConditions)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ThirtyOnceOnlyEventsMakingNinetyEach(benchmark::State& state) {
  RunEventsMakingConditions(state, 30, 90);
}
BENCHMARK(BM_ThirtyOnceOnlyEventsMakingNinetyEach)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ticks the bench fires itself.
class BenchTicks : public Kest::TickSource {
 public:
  void Start(TickFunction tick) override { tick_ = tick; }
  void Stop() override { tick_ = nullptr; }
  void Fire() {
    if (tick_) tick_();
  }

 private:
  TickFunction tick_ = nullptr;
};

// 18,500 named one-second timers, each re-made by its own event when it
// fires: one second of play (a hundred ticks, a pass each) is timed
// (about 1.3 s when removing a timer searched the list and its name).
void BM_NamedTimersRemadeEverySecond(benchmark::State& state) {
  Kest::EventManager::Create();
  Kest::TimerManager::Create();
  auto* ticks = new BenchTicks;
  Kest::TimerManager& timers = *Kest::TimerManager::GetInstance();
  timers.SetTickSource(std::unique_ptr<Kest::TickSource>(ticks));
  const auto remake = [&timers](const std::string& name) {
    timers.AddTimer(new Kest::TimeElapsedCondition(Kest::TimerManager::kTicksPerSecond, name), name);
    return true;
  };
  Kest::EventManager::GetInstance()->SetTextRunner(remake);
  timers.SetLevelTime(~0u);
  timers.Start();
  for (int i = 0; i < 18500; ++i) remake("timer" + std::to_string(i));
  for (auto _ : state) {
    for (unsigned tick = 0; tick < Kest::TimerManager::kTicksPerSecond; ++tick) {
      ticks->Fire();
      timers.RunPendingTicks();
      Kest::EventManager::GetInstance()->Update();
    }
  }
  state.counters["timers"] = timers.GetTimerCount();
  Kest::TimerManager::Destroy();
  Kest::EventManager::Destroy();
}
BENCHMARK(BM_NamedTimersRemadeEverySecond)->Unit(benchmark::kMillisecond)->Iterations(3);

// A level script with 19,000 variable events on one name, that never
// fire, and a million sets of that name: the load is timed (over 200 s
// when every set walked every observer uncharged; now the budget ends it).
void BM_VariableTriggersAndAMillionSets(benchmark::State& state) {
  for (auto _ : state) {
    Kest::VariableManager::Create();
    HostileLevel level("", 0);
    const char* const script = "bench-variables.lua";
    std::ofstream(script) << "for i = 1, 19000 do EventVariableTriggered('v', 'never', '') end\n"
                             "for i = 1, 1000000 do SetVariable('v', 'x') end\n";
    Kest::ScriptManager::GetInstance()->LoadScript(script);
    std::remove(script);
    Kest::VariableManager::Destroy();
  }
}
BENCHMARK(BM_VariableTriggersAndAMillionSets)->Unit(benchmark::kMillisecond)->Iterations(1);

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
