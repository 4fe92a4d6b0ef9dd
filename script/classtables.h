// What a script sees of the module `Kest` and its classes: read-only views.
// The class tables the binding library makes are its live metatables,
// which box, look up and collect the objects; a script that wrote to one
// could point the boxes at a wrong table, drop a collector (the library
// would then free a `new`'d object as plain memory) or add a finaliser,
// which the interpreter runs with the budget's hook off. Through the views
// scripts read classes, constructors and methods as before; a write is a
// script error, and the library's own fields (events, boxes, collectors)
// read as nil. Call once the module is open.
#pragma once

struct lua_State;

namespace Kest {

void ProtectClassTables(lua_State* L);

// Whether the key at the index names one of the library's own fields of a
// class table: its events, "tolua_" tables and dotted fields.
bool IsLibraryField(lua_State* L, int key);

}  // namespace Kest
