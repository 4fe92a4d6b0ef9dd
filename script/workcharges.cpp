#include "script/workcharges.h"

#include "script/scriptmanager.h"
#include "script/statelimits.h"

namespace Kest {
namespace ScriptApi {

namespace {

constexpr long kInstructionsPerCall = 200;
constexpr double kInstructionsPerElement = 1000.0;
constexpr double kInstructionsPerAttribute = 100.0;

lua_State* RunningState() {
  const ScriptManager* engine = ScriptManager::GetInstance();
  return engine ? engine->GetState() : nullptr;
}

}  // namespace

void ChargeCall() {
  if (lua_State* L = RunningState()) StateLimits::Charge(L, kInstructionsPerCall);
}

void SpendOnSceneWork(std::size_t elements, std::size_t attributes) {
  if (lua_State* L = RunningState()) {
    StateLimits::Spend(L, double(elements) * kInstructionsPerElement +
                              double(attributes) * kInstructionsPerAttribute);
  }
}

}  // namespace ScriptApi
}  // namespace Kest
