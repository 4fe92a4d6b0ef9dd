#include "script/classtables.h"

#include <lua.hpp>

#include <cstring>

namespace Kest {

namespace {

// Upvalue 1 of every view's events is the table viewed.
int ReadThroughView(lua_State* L) {
  if (IsLibraryField(L, 2)) {
    lua_pushnil(L);
    return 1;
  }
  lua_pushvalue(L, 2);
  lua_gettable(L, lua_upvalueindex(1));
  return 1;
}

int RefuseWrite(lua_State* L) { return luaL_error(L, "the module's classes cannot be changed"); }

// Calling a class's view calls its constructor with the view in the
// class's place (the registry names both).
int CallThroughView(lua_State* L) {
  lua_pushliteral(L, ".call");
  lua_rawget(L, lua_upvalueindex(1));
  if (!lua_isfunction(L, -1)) return luaL_error(L, "attempt to call a module table");
  lua_insert(L, 1);
  lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
  return lua_gettop(L);
}

void SetEvent(lua_State* L, const char* event, lua_CFunction function, int viewed) {
  lua_pushvalue(L, viewed);
  lua_pushcclosure(L, function, 1);
  lua_setfield(L, -2, event);
}

// The library tells a class table by its type name in the registry: the
// view goes by the same name, so that constructors accept it.
void NameLikeViewed(lua_State* L, int viewed) {
  lua_pushvalue(L, viewed);
  lua_rawget(L, LUA_REGISTRYINDEX);
  if (!lua_isstring(L, -1)) {
    lua_pop(L, 1);
    return;
  }
  lua_pushvalue(L, -2);
  lua_insert(L, -2);
  lua_rawset(L, LUA_REGISTRYINDEX);
}

// Pushes a new view of the table at the index. Its metatable is hidden
// from getmetatable and setmetatable.
void PushView(lua_State* L, int viewed) {
  viewed = viewed > 0 ? viewed : lua_gettop(L) + viewed + 1;
  lua_newtable(L);
  lua_newtable(L);
  SetEvent(L, "__index", &ReadThroughView, viewed);
  SetEvent(L, "__newindex", &RefuseWrite, viewed);
  SetEvent(L, "__call", &CallThroughView, viewed);
  lua_pushboolean(L, 0);
  lua_setfield(L, -2, "__metatable");
  lua_setmetatable(L, -2);
  NameLikeViewed(L, viewed);
}

// Every class in the module table on top is replaced by its view (fields
// that exist may be set while the table is walked).
void ViewClasses(lua_State* L) {
  lua_pushnil(L);
  while (lua_next(L, -2) != 0) {
    if (lua_istable(L, -1)) {
      PushView(L, -1);
      lua_pushvalue(L, -3);
      lua_insert(L, -2);
      lua_rawset(L, -5);
    }
    lua_pop(L, 1);
  }
}

}  // namespace

bool IsLibraryField(lua_State* L, int key) {
  if (lua_type(L, key) != LUA_TSTRING) return false;
  const char* name = lua_tostring(L, key);
  return name[0] == '.' || std::strncmp(name, "__", 2) == 0 || std::strncmp(name, "tolua_", 6) == 0;
}

void ProtectClassTables(lua_State* L) {
  lua_getglobal(L, "Kest");
  if (!lua_istable(L, -1)) {
    lua_pop(L, 1);
    return;
  }
  ViewClasses(L);
  PushView(L, -1);
  lua_setglobal(L, "Kest");
  lua_pop(L, 1);
}

}  // namespace Kest
