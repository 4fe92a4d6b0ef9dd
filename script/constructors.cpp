#include "script/constructors.h"

#include <lua.hpp>

#include "game/objects/composite.h"
#include "game/objects/sprite.h"
#include "script/arguments.h"
#include "script/objectfunctions.h"
#include "script/ownership.h"
#include "script/scriptmanager.h"

namespace Kest {
namespace ScriptApi {

namespace {

// A constructor that makes nothing still has to hand back an object: the
// call ends with a script error instead.
template <class T>
T* Made(lua_State* L, T* made) {
  if (!made) luaL_error(L, "error in function 'new': the object was refused");
  return made;
}

}  // namespace

Composite* Constructor<Composite>::operator()(double x, double y, const char*& texture,
                                              bool dynamic) const {
  if (!texture) texture = "";
  if (!ScriptArguments::AreFinite("new", {x, y}) || !ScriptArguments::IsGameFile("new", texture)) {
    return Made<Composite>(L, nullptr);
  }
  Composite* composite = new Composite(float(x), float(y), texture, dynamic);
  return Made(L, ScriptManager::GetInstance()->GetOwnership()->Made(composite));
}

Sprite* Constructor<Sprite>::operator()(const std::string& file, double columns,
                                        double frameWidth, double frameHeight, double frameCount,
                                        double frameDelay, double x, double y,
                                        bool looping) const {
  return Made(L, CreateSprite(file, columns, frameWidth, frameHeight, frameCount, frameDelay, x,
                              y, looping));
}

void Collect(Object* object) {
  const ScriptManager* engine = ScriptManager::GetInstance();
  if (engine && engine->GetOwnership()) engine->GetOwnership()->Collect(object);
}

}  // namespace ScriptApi
}  // namespace Kest
