// The bounds every script state runs under: a memory cap on everything the
// interpreter allocates, and an instruction budget per chunk. Going past
// either raises a script error, which ends the chunk like any other. The
// chunks of one pass of the main loop (event and timer texts) share the
// pass's budget, about a tenth of a second: a text starts while the pass
// has budget left and may then run as far as a whole pass's budget, so
// that a text which fits a pass always runs whole; what it spends past the
// pass's share comes out of the passes after it.
#pragma once

#include <cstddef>

struct lua_State;
struct lua_Debug;

namespace Kest {

struct ScriptLimits {
  std::size_t memoryCap = 64u << 20;
  // Instructions a level script may run: about a second of work.
  long levelScriptInstructions = 200000000;
  // What making one game object counts as: the game's work for it, which
  // the interpreter does not see (making a block takes about as long as
  // 400 instructions; its insertion and deletion as much again), so that
  // a script cannot make millions and an event text can make thousands.
  long instructionsPerObject = 2000;
  // What each line of an arc's shape counts as: the largest arcs have over
  // a hundred thousand, so that a handful of them is a second's work.
  long instructionsPerLine = 100;
  // What telling one observer of a variable counts as: a level can give
  // one name thousands of observers and set it a million times.
  long instructionsPerObserver = 10;
  // Instructions all the texts of one pass may run together.
  long passInstructions = 20000000;
  // What running a text counts as besides its instructions: compiling it,
  // one per so many bytes, and a fixed share.
  long bytesPerInstruction = 1;
  long instructionsPerRun = 1000;
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
  // A pass of the main loop begins: its texts have the pass budget, less
  // what the texts of the last pass spent beyond theirs.
  void StartPass();
  // The next chunk is a text of the pass: its size (compiling it) counts
  // against its instructions. It starts when the pass has budget left for
  // that (kStarted); else it waits for a later pass (kWaits), or never
  // runs when a whole pass could not compile it (kTooLong). EndText takes
  // what a started text used from the pass.
  enum class TextStart { kStarted, kWaits, kTooLong };
  TextStart StartText(lua_State* L, std::size_t textSize);
  void EndText() { passLeft_ -= textStart_ - instructionsLeft_; }
  // Whether the last chunk that ended in an error ran past its budget.
  bool RanPastBudget() const { return ranPast_; }
  // The running chunk of the state made game objects (a rope's segments
  // are objects too), or an arc of so many lines: its budget shrinks, and
  // the chunk ends at its next instruction if nothing is left.
  static void ChargeObject(lua_State* L, long count = 1);
  static void ChargeLines(lua_State* L, long count);
  static void ChargeObservers(lua_State* L, long count);
  // The running chunk is about to do work the interpreter does not count,
  // worth so many instructions: when its budget cannot cover that, the
  // chunk ends here with the budget's error instead, naming the function
  // when one is given.
  static void Spend(lua_State* L, double instructions, const char* function = nullptr);
  // The running chunk did such work: its budget shrinks, and the chunk
  // ends at its next instruction if nothing is left.
  static void Charge(lua_State* L, long instructions);
  static long BytesPerInstruction(lua_State* L) { return Of(L).limits_.bytesPerInstruction; }
  static std::size_t MemoryCap(lua_State* L) { return Of(L).limits_.memoryCap; }

  const ScriptLimits& GetLimits() const { return limits_; }
  std::size_t GetMemoryInUse() const { return inUse_; }

 private:
  static void* Allocate(void* self, void* block, std::size_t oldSize, std::size_t newSize);
  static void CountInstructions(lua_State* L, lua_Debug* debug);
  static void RaisePastBudget(lua_State* L, int level, const char* function = nullptr);
  // The limits a state was made with (they are its allocator's data).
  static StateLimits& Of(lua_State* L);

  ScriptLimits limits_;
  std::size_t inUse_ = 0;
  long instructionsLeft_ = 0;
  long passLeft_ = limits_.passInstructions;
  long textStart_ = 0;
  bool ranPast_ = false;
};

}  // namespace Kest
