// Handing a value the script made to the game part that keeps it. The
// script must own it still; the part may refuse it; only a value the part
// took leaves the script's ownership.
#pragma once

#include "script/ownership.h"
#include "script/scriptmanager.h"

namespace Kest {
namespace ScriptApi {

inline ScriptOwnership& Ownership() { return *ScriptManager::GetInstance()->GetOwnership(); }

// take() hands the value over and says whether the part kept it.
template <class Take>
void HandOver(const void* value, const char* function, Take take) {
  ScriptOwnership& ownership = Ownership();
  if (ownership.MayHandOver(value, function) && take()) ownership.HandedOver(value);
}

}  // namespace ScriptApi
}  // namespace Kest
