// The binding library's own table `tolua` and the classes' metatable
// events, made safe for scripts: the library trusts its callers, and a
// level script is input. Call once the module is open.
#pragma once

struct lua_State;

namespace Kest {

class ScriptOwnership;

void GuardLibrary(lua_State* L, ScriptOwnership& ownership);

}  // namespace Kest
