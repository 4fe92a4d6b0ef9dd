#include "script/libraryguard.h"

#include <lua.hpp>
#include <tolua++.h>

#include <cstring>
#include <string>

#include "game/level/levelcondition.h"
#include "game/level/conditioncomposite.h"
#include "game/objects/composite.h"
#include "game/objects/pickableitem.h"
#include "game/objects/sprite.h"
#include "game/utility/utility.h"
#include "script/classtables.h"
#include "script/ownership.h"

namespace Kest {

namespace {

// The library's own function, called with exactly `arity` arguments.
template <int arity>
int WithArity(lua_State* L) {
  lua_settop(L, arity);
  lua_pushvalue(L, lua_upvalueindex(1));
  lua_insert(L, 1);
  lua_call(L, arity, LUA_MULTRET);
  return lua_gettop(L);
}

void* BoxedAddress(lua_State* L, int index) {
  if (lua_type(L, index) != LUA_TUSERDATA || !lua_getmetatable(L, index)) return nullptr;
  lua_pop(L, 1);
  return *static_cast<void**>(lua_touserdata(L, index));
}

int SetPeer(lua_State* L) {
  lua_settop(L, 2);
  if (lua_type(L, 1) != LUA_TUSERDATA || !(lua_istable(L, 2) || lua_isnil(L, 2))) {
    return luaL_error(L, "tolua.setpeer: an object and a table (or nil) expected");
  }
  return WithArity<2>(L);
}

// The library writes into the table without its events: the only tables
// with a metatable a script reaches are the module's read-only views.
int Inherit(lua_State* L) {
  lua_settop(L, 2);
  if (!lua_istable(L, 1) || !BoxedAddress(L, 2)) {
    return luaL_error(L, "tolua.inherit: a table and an object expected");
  }
  if (lua_getmetatable(L, 1)) return luaL_error(L, "the module's classes cannot be changed");
  return WithArity<2>(L);
}

ScriptOwnership& OwnershipOf(lua_State* L) {
  return *static_cast<ScriptOwnership*>(lua_touserdata(L, lua_upvalueindex(1)));
}

// Whether the box's own type has a collector: without one the library
// would free the object as plain memory.
bool HasCollector(lua_State* L, int index) {
  if (!lua_getmetatable(L, index)) return false;
  lua_getfield(L, -1, ".collector");
  const bool collector = lua_isfunction(L, -1) != 0;
  lua_pop(L, 2);
  return collector;
}

// Only what the script made, nobody holds and a collector can delete may
// go to the collector.
int TakeOwnership(lua_State* L) {
  lua_settop(L, 1);
  void* value = BoxedAddress(L, 1);
  const bool allowed = value && OwnershipOf(L).IsUnclaimed(value) && HasCollector(L, 1);
  if (!allowed) {
    Log("tolua.takeownership: only a composite or sprite the script made and kept can be taken");
  }
  lua_pushboolean(L, allowed && tolua_register_gc(L, 1));
  return 1;
}

// A view as a more special type is allowed only where the game object
// really is of that type: one entry for every type of the module that has
// a base there.
struct Downcast {
  const char* type;
  const char* base;
  bool (*is)(void* value);
};

template <class Base, class Special>
bool IsReally(void* value) {
  return dynamic_cast<Special*>(static_cast<Base*>(value)) != nullptr;
}

const Downcast kDowncasts[] = {
    {"Kest::Composite", "Kest::Object", &IsReally<Object, Composite>},
    {"Kest::Sprite", "Kest::Object", &IsReally<Object, Sprite>},
    {"Kest::PickableItem", "Kest::Object", &IsReally<Object, PickableItem>},
    {"Kest::VariableCondition", "Kest::LevelCondition", &IsReally<LevelCondition, VariableCondition>},
    {"Kest::ConditionComposite", "Kest::Condition", &IsReally<Condition, ConditionComposite>},
};

bool IsA(lua_State* L, const char* type) {
  tolua_Error error;
  return tolua_isusertype(L, 1, type, 0, &error) != 0;
}

// One of the module's own types.
bool IsModuleType(lua_State* L, const char* type) {
  if (std::strncmp(type, "Kest::", 6) != 0) return false;
  luaL_getmetatable(L, type);
  const bool known = lua_istable(L, -1) != 0;
  lua_pop(L, 1);
  return known;
}

bool MayCast(lua_State* L, void* value, const char* type) {
  if (!IsModuleType(L, type)) return false;
  if (IsA(L, type)) return true;
  for (const Downcast& cast : kDowncasts) {
    if (std::strcmp(cast.type, type) == 0) return IsA(L, cast.base) && cast.is(value);
  }
  return false;
}

int Cast(lua_State* L) {
  lua_settop(L, 2);
  void* value = BoxedAddress(L, 1);
  const char* type = lua_tostring(L, 2);
  if (!value || !type || !MayCast(L, value, type)) {
    Log(std::string("tolua.cast: refused a view as ") + (type ? type : "nothing"));
    lua_pushnil(L);
    return 1;
  }
  tolua_pushusertype(L, value, type);
  return 1;
}

// The library's handler, only ever for one of its boxes or tables, and with
// the arguments the interpreter hands it (any number for a call).
template <int arity>
int ClassEvent(lua_State* L) {
  const int kind = lua_type(L, 1);
  if (kind != LUA_TUSERDATA && kind != LUA_TTABLE) {
    return luaL_error(L, "a class event needs an object or a table");
  }
  if (arity >= 0) lua_settop(L, arity);
  lua_pushvalue(L, lua_upvalueindex(1));
  lua_insert(L, 1);
  lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
  return lua_gettop(L);
}

// Reading through an object or a class: the library's own fields (its
// boxes, collectors and events) read as nil.
int IndexEvent(lua_State* L) {
  if (IsLibraryField(L, 2)) {
    lua_settop(L, 0);
    lua_pushnil(L);
    return 1;
  }
  return ClassEvent<2>(L);
}

// The collector's event: the interpreter hands it a box; a script calling
// it on anything else gets nothing done.
int CollectEvent(lua_State* L) {
  lua_settop(L, 1);
  if (lua_type(L, 1) != LUA_TUSERDATA) return 0;
  lua_pushvalue(L, lua_upvalueindex(1));
  lua_insert(L, 1);
  lua_call(L, 1, 0);
  return 0;
}

// Replaces field `name` of the table on top by the guard, with the old
// value as its upvalue (and, for the ownership guard, the ownership).
void Replace(lua_State* L, const char* name, lua_CFunction guard) {
  lua_getfield(L, -1, name);
  if (lua_isnil(L, -1)) {
    lua_pop(L, 1);
    return;
  }
  lua_pushcclosure(L, guard, 1);
  lua_setfield(L, -2, name);
}

void GuardLibraryTable(lua_State* L, ScriptOwnership& ownership) {
  lua_getglobal(L, "tolua");
  if (!lua_istable(L, -1)) {
    lua_pop(L, 1);
    return;
  }
  Replace(L, "type", &WithArity<1>);
  Replace(L, "getpeer", &WithArity<1>);
  Replace(L, "releaseownership", &WithArity<1>);
  Replace(L, "setpeer", &SetPeer);
  Replace(L, "inherit", &Inherit);
  lua_pushcfunction(L, &Cast);
  lua_setfield(L, -2, "cast");
  lua_pushlightuserdata(L, &ownership);
  lua_pushcclosure(L, &TakeOwnership, 1);
  lua_setfield(L, -2, "takeownership");
  lua_pop(L, 1);
}

// Every class's metatable (the class table scripts see in `Kest`).
void GuardClassEvents(lua_State* L) {
  lua_pushnil(L);
  while (lua_next(L, LUA_REGISTRYINDEX) != 0) {
    if (lua_type(L, -2) == LUA_TSTRING && lua_istable(L, -1) &&
        std::strncmp(lua_tostring(L, -2), "Kest::", 6) == 0) {
      Replace(L, "__gc", &CollectEvent);
      Replace(L, "__index", &IndexEvent);
      Replace(L, "__newindex", &ClassEvent<3>);
      Replace(L, "__call", &ClassEvent<-1>);
      for (const char* event : {"__add", "__sub", "__mul", "__div", "__lt", "__le", "__eq"}) {
        Replace(L, event, &ClassEvent<2>);
      }
    }
    lua_pop(L, 1);
  }
}

}  // namespace

void GuardLibrary(lua_State* L, ScriptOwnership& ownership) {
  GuardLibraryTable(L, ownership);
  GuardClassEvents(L);
  ProtectClassTables(L);
}

}  // namespace Kest
