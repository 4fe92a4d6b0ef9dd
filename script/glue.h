// Included by the glue that tolua++ generates from kest.pkg: the game's
// classes that the script types stand for, the functions behind the
// bindings, and the library's allocation hooks pointed at our constructors
// and collector.
#pragma once

#include <string>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/level/conditioncomposite.h"
#include "game/level/level.h"
#include "game/level/levelcondition.h"
#include "game/objects/composite.h"
#include "game/objects/object.h"
#include "game/objects/pickableitem.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "game/objects/texture.h"
#include "script/conditionfunctions.h"
#include "script/constructors.h"
#include "script/eventfunctions.h"
#include "script/levelfunctions.h"
#include "script/methods.h"
#include "script/objectfunctions.h"
#include "script/specialfunctions.h"
#include "script/textarguments.h"

// The glue writes `Mtolua_new((Kest::Sprite)(arguments))`: the type in
// parentheses picks the constructor, the arguments follow it.
#undef Mtolua_new
#define Mtolua_new(EXP) KEST_SCRIPT_NEW EXP
#define KEST_SCRIPT_NEW(TYPE) ::Kest::ScriptApi::Constructor<TYPE>{tolua_S}
#undef Mtolua_delete
#define Mtolua_delete(EXP) ::Kest::ScriptApi::Collect(EXP)

// Every text argument counts against what the level may hold.
#define tolua_tocppstring(L, index, fallback) \
  ::Kest::ScriptApi::TextArgument(L, index, fallback, "")
#define tolua_tostring(L, index, fallback) \
  ::Kest::ScriptApi::TextArgument(L, index, fallback, fallback)

using namespace Kest::ScriptApi;
