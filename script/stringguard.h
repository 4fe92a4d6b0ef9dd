// The string library, bounded. Its functions work inside C, where the
// instruction budget does not see them: the pattern matcher backtracks
// without limit and recurses once per quantified item, string.rep loops
// once per copy however little it copies. Every call's worst case is
// reckoned from its arguments before it runs and spent from the running
// chunk's budget; a call whose worst case is more than a few hundredths of
// a second, or whose pattern would recurse too deep, is refused with a
// script error naming the function. Call once the library is open.
#pragma once

struct lua_State;

namespace Kest {

void GuardStringLibrary(lua_State* L);

}  // namespace Kest
