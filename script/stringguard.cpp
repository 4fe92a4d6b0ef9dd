#include "script/stringguard.h"

#include <lua.hpp>

#include <cstddef>
#include <string>

#include "script/statelimits.h"

namespace {

// Work counted and not yet charged. Scripts run on the main thread only,
// and what is left over when a call ends is charged with the next one.
std::size_t pendingSteps = 0;
std::size_t pendingBytes = 0;
// Charging looks up the running function: it is done once per this much
// work, a few microseconds of it.
constexpr std::size_t kSettleEvery = 1024;
// A matcher step (a call down the pattern, a character tried) takes about
// twice as long as an instruction of the interpreter: some 7 ns against
// 3 ns in a release build.
constexpr double kInstructionsPerStep = 2.0;
// Each level is a frame or two of a few dozen bytes (a few hundred under
// the sanitizers): far from the main thread's stack, and far past the
// nesting of any pattern a track needs.
constexpr int MAXMATCHDEPTH = 5000;

void SettleWork(lua_State* L);

inline void count_steps(std::size_t steps) { pendingSteps += steps; }
inline void count_bytes(std::size_t bytes) { pendingBytes += bytes; }
inline void settle_work(lua_State* L) {
  if (pendingSteps + pendingBytes >= kSettleEvery) SettleWork(L);
}

}  // namespace

// The library's own source, patched; its entry point is renamed, as the
// interpreter's library keeps the stock one.
#define luaopen_string OpenCountedStringLibrary
#include "lstrlib.c"
#undef luaopen_string

namespace {

// The function of the library that is running, as scripts name it.
std::string RunningFunction(lua_State* L) {
  lua_Debug call;
  if (!lua_getstack(L, 0, &call) || !lua_getinfo(L, "f", &call)) return "string";
  const lua_CFunction running = lua_tocfunction(L, -1);
  lua_pop(L, 1);
  if (running == &gmatch_aux) return "string.gmatch";
  for (const luaL_Reg* function = strlib; function->name; ++function) {
    if (function->func == running) return std::string("string.") + function->name;
  }
  return "string";
}

void SettleWork(lua_State* L) {
  const double bytesPerInstruction = double(Kest::StateLimits::BytesPerInstruction(L));
  const double work = double(pendingSteps) * kInstructionsPerStep + double(pendingBytes) / bytesPerInstruction;
  pendingSteps = pendingBytes = 0;
  Kest::StateLimits::Spend(L, work, RunningFunction(L).c_str());
}

int OpenInProtectedMode(lua_State* L) {
  OpenCountedStringLibrary(L);
  return 0;
}

}  // namespace

namespace Kest {

// A fresh state has the few kilobytes this takes.
void GuardStringLibrary(lua_State* L) {
  if (lua_cpcall(L, &OpenInProtectedMode, nullptr) != 0) lua_pop(L, 1);
}

}  // namespace Kest
