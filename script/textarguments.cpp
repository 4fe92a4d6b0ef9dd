#include "script/textarguments.h"

#include <lua.hpp>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/utility/heldtext.h"

namespace Kest {
namespace ScriptApi {

namespace {

std::size_t TextRoomLeft() {
  return kMostHeldTextBytes - std::min(HeldText::GetTotalBytes(), kMostHeldTextBytes);
}

}  // namespace

const char* TextArgument(lua_State* L, int index, const char* fallback, const char* nilText) {
  if (lua_gettop(L) < std::abs(index)) return fallback ? fallback : nilText;
  std::size_t size = 0;
  const char* text = lua_tolstring(L, index, &size);
  if (!text) return nilText;
  if (size > TextRoomLeft()) {
    const std::string why = "the level holds all the text it may (" +
                            std::to_string(kMostHeldTextBytes >> 20) + " MiB)";
    luaL_argerror(L, index, why.c_str());
  }
  return text;
}

}  // namespace ScriptApi
}  // namespace Kest
