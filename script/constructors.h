// The constructors of the script types Composite and Sprite (new, new_local
// and the class call) and their collector. The generated glue allocates
// and deletes through the binding library's Mtolua_new and Mtolua_delete;
// glue.h points those here, so that the numbers are checked before an
// object is made and the collector never deletes what the game holds.
#pragma once

#include <string>

struct lua_State;

namespace Kest {

class Composite;
class Object;
class Sprite;

namespace ScriptApi {

template <class T>
struct Constructor;

template <>
struct Constructor<Composite> {
  lua_State* L;
  // A nil texture becomes the empty text, which the glue hands back too.
  Composite* operator()(double x, double y, const char*& texture, bool dynamic) const;
};

template <>
struct Constructor<Sprite> {
  lua_State* L;
  Sprite* operator()(const std::string& file, double columns, double frameWidth,
                     double frameHeight, double frameCount, double frameDelay, double x, double y,
                     bool looping) const;
};

// The collector of the script's own values.
void Collect(Object* object);

}  // namespace ScriptApi
}  // namespace Kest
