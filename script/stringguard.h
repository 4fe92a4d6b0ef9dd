// The level's string library: Lua 5.1's own, built from Debian's source with
// our patch (tools/lua/counted-strlib.patch), so that every call gives what
// stock Lua gives and pays for the work it really does as it does it:
// matcher steps, loop rounds and bytes built are charged to the running
// chunk's budget, and a call that spends the budget ends the chunk with an
// error naming the function. The matcher's recursion is bounded, so no
// pattern can overflow the C stack. Call once the stock library is open:
// its table keeps its place and gets the counted functions.
#pragma once

struct lua_State;

namespace Kest {

void GuardStringLibrary(lua_State* L);

}  // namespace Kest
