#include "script/scriptmanager.h"

#include <lua.hpp>

#include "game/objects/deletionhook.h"
#include "game/utility/utility.h"
#include "platform/plainfile.h"
#include "platform/platform.h"
#include "script/libraryguard.h"
#include "script/ownership.h"
#include "script/stringguard.h"

int tolua_Kest_open(lua_State* L);

namespace Kest {

namespace {

std::unique_ptr<ScriptManager> instance;

void OnGameDeletion(const void* address) {
  if (instance && instance->GetOwnership()) instance->GetOwnership()->Forget(address);
}

int OpenLibraries(lua_State* L) {
  tolua_Kest_open(L);
  lua_pushcfunction(L, luaopen_string);
  lua_call(L, 0, 0);
  lua_pushcfunction(L, luaopen_math);
  lua_call(L, 0, 0);
  return 0;
}

// As the interpreter's own file loader does, a first line that starts with
// '#' is skipped; its line break stays, so that line numbers stay true.
void SkipCommentLine(std::string& source) {
  if (!source.empty() && source[0] == '#') source.erase(0, source.find('\n'));
}

// Far above any track's script; a file past it is refused unread.
constexpr std::size_t kMaxScriptBytes = 16u << 20;

// A track's script comes from anywhere: it is read only from a plain file
// inside the game's folder (the track list may name any path).
bool ReadScriptFile(const std::string& fileName, std::string& contents) {
  if (LeavesGameFolder(fileName)) {
    Log("Level script " + fileName + " is outside the game's folder, refused");
    return false;
  }
  const int error = Platform::ReadPlainFile(Platform::ToNativePath(fileName), kMaxScriptBytes, contents);
  if (error != 0) Log("cannot open " + fileName + ": " + Platform::RefusalText(error));
  return error == 0;
}

}  // namespace

ScriptManager* ScriptManager::Create(const ScriptLimits& limits) {
  Destroy();
  instance.reset(new ScriptManager(limits));
  SetDeletionListener(&OnGameDeletion);
  return instance.get();
}

// The state closes while the engine is still the instance: deletions in
// the close find their way back to it.
void ScriptManager::Destroy() {
  if (!instance) return;
  instance->Close();
  SetDeletionListener(nullptr);
  instance.reset();
}

ScriptManager* ScriptManager::GetInstance() { return instance.get(); }

ScriptManager::ScriptManager(const ScriptLimits& limits) : limits_(limits) {}

ScriptManager::~ScriptManager() { Close(); }

void ScriptManager::Close() {
  if (!state_) return;
  if (ownership_) ownership_->StateClosing();
  lua_close(state_);
  state_ = nullptr;
  if (ownership_) ownership_->DeleteUnclaimed();
  ownership_.reset();
}

bool ScriptManager::LoadScript(const std::string& fileName) {
  Close();
  if (!OpenState()) return false;
  std::string source;
  if (!ReadScriptFile(fileName, source)) return false;
  SkipCommentLine(source);
  runningLevelScript_ = true;
  limits_.StartBudget(state_, limits_.GetLimits().levelScriptInstructions);
  const bool ran = Run(("@" + fileName).c_str(), source, ErrorLine::kEnded);
  runningLevelScript_ = false;
  return ran;
}

void ScriptManager::StartPass() {
  if (instance) instance->limits_.StartPass();
}

void ScriptManager::ChargeObserversTold(std::size_t count) {
  if (instance && instance->running_) {
    StateLimits::ChargeObservers(instance->state_, static_cast<long>(count));
  }
}

bool ScriptManager::RunString(const std::string& text) {
  skipped_ = false;
  if (!state_) return false;
  switch (limits_.StartText(state_, text.size())) {
    case StateLimits::TextStart::kStarted:
      break;
    case StateLimits::TextStart::kWaits:
      skipped_ = true;
      LogOnce(waitLogged_,
              "Script texts wait: one pass of the game has spent its script budget, the rest run "
              "in the next passes (not logged again for this level)");
      return false;
    case StateLimits::TextStart::kTooLong:
      LogOnce(tooLongLogged_,
              "A script text too long to run in a pass of the game is dropped (not logged again "
              "for this level)");
      return false;
  }
  const bool ran = Run(text.c_str(), text, ErrorLine::kOpen);
  limits_.EndText();
  return ran;
}

bool ScriptManager::OpenState() {
  state_ = limits_.NewState();
  if (!state_) {
    Log("The script engine has no memory for a new state");
    return false;
  }
  if (lua_cpcall(state_, &OpenLibraries, nullptr) != 0) {
    LogError();
    Close();
    return false;
  }
  ownership_.reset(new ScriptOwnership(state_));
  GuardLibrary(state_, *ownership_);
  GuardStringLibrary(state_);
  limits_.StartPass();
  waitLogged_ = tooLongLogged_ = pastBudgetLogged_ = false;
  return true;
}

// Precompiled chunks are refused: the interpreter does not check them, and
// a broken one crashes it.
bool ScriptManager::Run(const char* chunkName, const std::string& source, ErrorLine errorLine) {
  if (!source.empty() && source[0] == LUA_SIGNATURE[0]) {
    Log(std::string(chunkName) + ": precompiled chunks are not run");
    return false;
  }
  running_ = true;
  const bool ran = luaL_loadbuffer(state_, source.data(), source.size(), chunkName) == 0 &&
                   lua_pcall(state_, 0, 0, 0) == 0;
  running_ = false;
  if (!ran) LogError(errorLine);
  lua_settop(state_, 0);
  return ran;
}

// Texts that keep running past their budget would log a line every pass.
void ScriptManager::LogError(ErrorLine errorLine) {
  const char* message = lua_tostring(state_, -1);
  const std::string line = message ? message : "(a script error without a message)";
  if (limits_.RanPastBudget()) {
    LogOnce(pastBudgetLogged_, line + " (not logged again for this level)");
  } else if (errorLine == ErrorLine::kOpen) {
    LogVerbatim(line);
  } else {
    Log(line);
  }
}

void ScriptManager::LogOnce(bool& logged, const std::string& line) {
  if (!logged) Log(line);
  logged = true;
}

}  // namespace Kest
