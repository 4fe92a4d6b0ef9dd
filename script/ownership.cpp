#include "script/ownership.h"

#include <lua.hpp>

#include <cstring>
#include <string>

#include "game/utility/utility.h"
#include "script/scriptmanager.h"

namespace Kest {

namespace {

// A reference to the table at the top of the stack, which is popped; one
// reference per table.
void KeepTable(lua_State* L, std::vector<int>& refs) {
  for (int ref : refs) {
    lua_rawgeti(L, LUA_REGISTRYINDEX, ref);
    const bool known = lua_rawequal(L, -1, -2) != 0;
    lua_pop(L, 1);
    if (known) {
      lua_pop(L, 1);
      return;
    }
  }
  refs.push_back(luaL_ref(L, LUA_REGISTRYINDEX));
}

// The box tables of the module's types: each class's metatable, found in
// the registry under its type name, holds its family's table. They are
// gathered first: the registry must not change while it is walked.
std::vector<int> FindBoxTables(lua_State* L) {
  lua_newtable(L);
  const int found = lua_gettop(L);
  int count = 0;
  lua_pushnil(L);
  while (lua_next(L, LUA_REGISTRYINDEX) != 0) {
    if (lua_type(L, -2) == LUA_TSTRING && lua_istable(L, -1) &&
        std::strncmp(lua_tostring(L, -2), "Kest::", 6) == 0) {
      lua_getfield(L, -1, "tolua_ubox");
      if (lua_istable(L, -1)) {
        lua_rawseti(L, found, ++count);
      } else {
        lua_pop(L, 1);
      }
    }
    lua_pop(L, 1);
  }
  std::vector<int> refs;
  for (int i = 1; i <= count; ++i) {
    lua_rawgeti(L, found, i);
    KeepTable(L, refs);
  }
  lua_pop(L, 1);
  return refs;
}

int RegistryTableRef(lua_State* L, const char* name) {
  lua_getfield(L, LUA_REGISTRYINDEX, name);
  return luaL_ref(L, LUA_REGISTRYINDEX);
}

}  // namespace

ScriptOwnership::ScriptOwnership(lua_State* L)
    : state_(L), boxTables_(FindBoxTables(L)), ownedTable_(RegistryTableRef(L, "tolua_gc")) {}

ScriptOwnership* CurrentOwnership() {
  const ScriptManager* engine = ScriptManager::GetInstance();
  return engine ? engine->GetOwnership() : nullptr;
}

bool ScriptOwnership::MayHandOver(const void* value, const char* function) const {
  if (!value) {
    Log(std::string(function) + ": no object to hand over");
    return false;
  }
  if (!IsUnclaimed(value)) {
    Log(std::string(function) + ": the object already has an owner");
    return false;
  }
  return true;
}

void ScriptOwnership::HandedOver(const void* value) {
  unclaimed_.erase(value);
  if (state_ && TakeEntry(ownedTable_, value)) lua_pop(state_, 1);
}

void ScriptOwnership::Collect(const void* value) {
  const auto entry = unclaimed_.find(value);
  if (entry == unclaimed_.end()) return;
  const Deleter destroy = entry->second;
  unclaimed_.erase(entry);
  destroy(value);
}

void ScriptOwnership::Forget(const void* value) {
  unclaimed_.erase(value);
  if (state_) EmptyBoxes(value);
}

void ScriptOwnership::DeleteUnclaimed() {
  while (!unclaimed_.empty()) Collect(unclaimed_.begin()->first);
}

// Runs inside destructors: nothing here may allocate, so no key is added
// to a table (setting nil only where the key is present) and no text is
// pushed.
bool ScriptOwnership::TakeEntry(int table, const void* value) {
  lua_State* L = state_;
  lua_rawgeti(L, LUA_REGISTRYINDEX, table);
  lua_pushlightuserdata(L, const_cast<void*>(value));
  lua_rawget(L, -2);
  if (lua_isnil(L, -1)) {
    lua_pop(L, 2);
    return false;
  }
  lua_pushlightuserdata(L, const_cast<void*>(value));
  lua_pushnil(L);
  lua_rawset(L, -4);
  lua_remove(L, -2);
  return true;
}

void ScriptOwnership::EmptyBoxes(const void* value) {
  for (int table : boxTables_) {
    if (!TakeEntry(table, value)) continue;
    if (lua_type(state_, -1) == LUA_TUSERDATA) *static_cast<void**>(lua_touserdata(state_, -1)) = nullptr;
    lua_pop(state_, 1);
  }
  if (TakeEntry(ownedTable_, value)) lua_pop(state_, 1);
}

}  // namespace Kest
