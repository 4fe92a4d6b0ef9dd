#include "script/workcharges.h"

#include "script/scriptmanager.h"
#include "script/statelimits.h"

namespace Kest {
namespace ScriptApi {

namespace {

constexpr long kInstructionsPerCall = 100;

lua_State* RunningState() {
  const ScriptManager* engine = ScriptManager::GetInstance();
  return engine ? engine->GetState() : nullptr;
}

}  // namespace

void ChargeCall() {
  if (lua_State* L = RunningState()) StateLimits::Charge(L, kInstructionsPerCall);
}

void ChargeParts(long count) {
  if (lua_State* L = RunningState()) StateLimits::ChargeLines(L, count);
}

}  // namespace ScriptApi
}  // namespace Kest
