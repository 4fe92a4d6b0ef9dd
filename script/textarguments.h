// Texts as the module's bindings take them from a script. What the game
// keeps of a script's texts lies outside the interpreter's memory cap, so
// the bindings take every text through TextArgument (glue.h puts it in
// place of the binding library's own conversion): a text longer than what
// the level may still hold (kMostHeldTextBytes less the texts the game
// holds already) raises a script error that names the function and the
// argument, which refuses the call and ends the chunk.
#pragma once

struct lua_State;

namespace Kest {
namespace ScriptApi {

// The text at the stack index; the fallback when the argument is absent,
// nilText when it is nil (or absent without a fallback).
const char* TextArgument(lua_State* L, int index, const char* fallback, const char* nilText);

}  // namespace ScriptApi
}  // namespace Kest
