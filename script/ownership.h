// Who owns what a level script makes. Every object and condition has one
// owner: the game part it was handed to (space, resource manager, level,
// ...), the script's collector (values made with new_local or the class
// call, or given to tolua.takeownership), or, until either takes it, the
// script engine, which deletes it when the state closes. Script values are
// boxed addresses: when the game deletes a value, its boxes are emptied, so
// that a method call on it raises the "invalid 'self'" error and as an
// argument it arrives as null.
#pragma once

#include <unordered_map>
#include <vector>

#include "script/levelcaps.h"
#include "script/statelimits.h"

struct lua_State;

namespace Kest {

class ScriptOwnership {
 public:
  // Call once the module is open in the state: its box tables are known
  // from then on.
  explicit ScriptOwnership(lua_State* L);
  ScriptOwnership(const ScriptOwnership&) = delete;
  ScriptOwnership& operator=(const ScriptOwnership&) = delete;

  // The script made the value; returns it. Making it counts against the
  // running chunk's instruction budget. Null, with the value deleted, past
  // the level's cap (levelcaps.h).
  template <class T>
  T* Made(T* value) {
    if (!value || !AdmitsMade(value)) return nullptr;
    unclaimed_[value] = [](const void* p) { delete static_cast<const T*>(p); };
    if (state_) StateLimits::ChargeObject(state_);
    return value;
  }
  // Whether the script made the value and nobody took it yet.
  bool IsUnclaimed(const void* value) const { return unclaimed_.count(value) != 0; }
  // True when the game may take the value from the script; otherwise a log
  // line that names the function, and false.
  bool MayHandOver(const void* value, const char* function) const;
  // The game took the value: the script's collector lets go of it.
  void HandedOver(const void* value);
  // The collector's delete: only what the game does not hold.
  void Collect(const void* value);

  // The game deletes the value: every box holding it is emptied.
  void Forget(const void* value);
  // The state is being closed: boxes go with it, nothing to empty.
  void StateClosing() { state_ = nullptr; }
  // After the state is closed: deletes what nobody took.
  void DeleteUnclaimed();

 private:
  // Drops the entry for the value from the table (a registry reference),
  // and returns the entry's value on the stack; nothing when there is none.
  bool TakeEntry(int table, const void* value);
  void EmptyBoxes(const void* value);

  using Deleter = void (*)(const void*);
  lua_State* state_;
  // The library's tables keyed by address: each type family's boxes, and
  // the collector's list of owned values.
  std::vector<int> boxTables_;
  int ownedTable_;
  std::unordered_map<const void*, Deleter> unclaimed_;
};

// The ownership record of the running script engine; null without one.
ScriptOwnership* CurrentOwnership();

// Until the game takes it, what the script makes belongs to the engine.
template <class T>
T* MadeByScript(T* value) {
  ScriptOwnership* ownership = CurrentOwnership();
  return ownership ? ownership->Made(value) : value;
}

}  // namespace Kest
