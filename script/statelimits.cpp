#include "script/statelimits.h"

#include <lua.hpp>

#include <algorithm>
#include <cstdlib>

namespace Kest {

namespace {
// The hook runs once per this many instructions.
constexpr int kHookInterval = 1000;
}  // namespace

lua_State* StateLimits::NewState() { return lua_newstate(&StateLimits::Allocate, this); }

void StateLimits::StartBudget(lua_State* L, long instructions) {
  instructionsLeft_ = instructions;
  ranPast_ = false;
  lua_sethook(L, &StateLimits::CountInstructions, LUA_MASKCOUNT, kHookInterval);
}

void StateLimits::StartPass() {
  passLeft_ = std::min(passLeft_, 0L) + limits_.passInstructions;
}

StateLimits::TextStart StateLimits::StartText(lua_State* L, std::size_t textSize) {
  const std::size_t compiling =
      limits_.instructionsPerRun + textSize / static_cast<std::size_t>(limits_.bytesPerInstruction);
  if (compiling >= static_cast<std::size_t>(limits_.passInstructions)) return TextStart::kTooLong;
  if (passLeft_ <= 0 || compiling >= static_cast<std::size_t>(passLeft_)) return TextStart::kWaits;
  StartBudget(L, limits_.passInstructions - static_cast<long>(compiling));
  textStart_ = limits_.passInstructions;
  return TextStart::kStarted;
}

// The interpreter turns a refused allocation into its "not enough memory"
// error; shrinking and freeing always succeed.
void* StateLimits::Allocate(void* self, void* block, std::size_t oldSize, std::size_t newSize) {
  StateLimits& limits = *static_cast<StateLimits*>(self);
  if (newSize == 0) {
    std::free(block);
    limits.inUse_ -= oldSize;
    return nullptr;
  }
  if (newSize > oldSize && limits.inUse_ - oldSize + newSize > limits.limits_.memoryCap) {
    return nullptr;
  }
  void* resized = std::realloc(block, newSize);
  if (resized) limits.inUse_ = limits.inUse_ - oldSize + newSize;
  return resized;
}

StateLimits& StateLimits::Of(lua_State* L) {
  void* self = nullptr;
  lua_getallocf(L, &self);
  return *static_cast<StateLimits*>(self);
}

void StateLimits::ChargeObject(lua_State* L, long count) {
  Charge(L, count * Of(L).limits_.instructionsPerObject);
}

void StateLimits::ChargeLines(lua_State* L, long count) {
  Charge(L, count * Of(L).limits_.instructionsPerLine);
}

void StateLimits::ChargeObservers(lua_State* L, long count) {
  Charge(L, count * Of(L).limits_.instructionsPerObserver);
}

// The charge comes from a function the script called, where the chunk
// cannot end: the hook is set to run at the next instruction instead of
// up to a thousand later, or a loop could make a hundred more objects.
void StateLimits::Charge(lua_State* L, long instructions) {
  StateLimits& limits = Of(L);
  limits.instructionsLeft_ -= instructions;
  if (limits.instructionsLeft_ < 0) lua_sethook(L, &StateLimits::CountInstructions, LUA_MASKCOUNT, 1);
}

void StateLimits::Spend(lua_State* L, double instructions, const char* function) {
  StateLimits& limits = Of(L);
  if (!(instructions <= double(limits.instructionsLeft_))) {
    RaisePastBudget(L, 1, function);
    return;
  }
  limits.instructionsLeft_ -= static_cast<long>(instructions);
}

void StateLimits::CountInstructions(lua_State* L, lua_Debug*) {
  StateLimits& limits = Of(L);
  limits.instructionsLeft_ -= kHookInterval;
  if (limits.instructionsLeft_ < 0) RaisePastBudget(L, 0);
}

// The level names the script's function: 0 in the hook, 1 in a function
// the script called.
void StateLimits::RaisePastBudget(lua_State* L, int level, const char* function) {
  Of(L).ranPast_ = true;
  luaL_where(L, level);
  lua_pushfstring(L, "%s%sthe script ran past its instruction budget", function ? function : "",
                  function ? ": " : "");
  lua_concat(L, 2);
  lua_error(L);
}

}  // namespace Kest
