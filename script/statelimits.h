// The bounds every script state runs under: a memory cap on everything the
// interpreter allocates, and an instruction budget per chunk. Going past
// either raises a script error, which ends the chunk like any other.
#pragma once

#include <cstddef>

struct lua_State;
struct lua_Debug;

namespace Kest {

struct ScriptLimits {
  std::size_t memoryCap = 64u << 20;
  // Instructions a level script may run: about a second of work.
  long levelScriptInstructions = 200000000;
  // Instructions an event text may run: a few milliseconds of work.
  long eventTextInstructions = 1000000;
  // What making one game object counts as: the game's work for it, which
  // the interpreter does not see, so that a script cannot make millions.
  long instructionsPerObject = 10000;
  // What each line of an arc's shape counts as: the largest arcs have over
  // a hundred thousand, so that a handful of them is a second's work.
  long instructionsPerLine = 100;
};

class StateLimits {
 public:
  explicit StateLimits(const ScriptLimits& limits) : limits_(limits) {}
  StateLimits(const StateLimits&) = delete;
  StateLimits& operator=(const StateLimits&) = delete;

  // A new state whose allocations count against the cap; null when even
  // that failed.
  lua_State* NewState();
  // The next chunk may run this many instructions.
  void StartBudget(lua_State* L, long instructions);
  // The running chunk of the state made game objects (a rope's segments
  // are objects too), or an arc of so many lines: its budget shrinks, and
  // the chunk ends at its next instruction if nothing is left.
  static void ChargeObject(lua_State* L, long count = 1);
  static void ChargeLines(lua_State* L, long count);

  const ScriptLimits& GetLimits() const { return limits_; }
  std::size_t GetMemoryInUse() const { return inUse_; }

 private:
  static void* Allocate(void* self, void* block, std::size_t oldSize, std::size_t newSize);
  static void CountInstructions(lua_State* L, lua_Debug* debug);
  static void Charge(lua_State* L, long instructions);
  // The limits a state was made with (they are its allocator's data).
  static StateLimits& Of(lua_State* L);

  ScriptLimits limits_;
  std::size_t inUse_ = 0;
  long instructionsLeft_ = 0;
};

}  // namespace Kest
