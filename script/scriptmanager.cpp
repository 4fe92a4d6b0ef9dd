#include "script/scriptmanager.h"

#include <lua.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "game/objects/deletionhook.h"
#include "game/utility/utility.h"
#include "platform/platform.h"
#include "script/libraryguard.h"
#include "script/ownership.h"

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

bool ReadFile(const std::string& fileName, std::string& contents) {
  std::ifstream file(Platform::ToNativePath(fileName), std::ios::binary);
  if (!file) return false;
  contents.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
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
  if (!ReadFile(fileName, source)) {
    Log("cannot open " + fileName + ": " + std::strerror(errno));
    return false;
  }
  runningLevelScript_ = true;
  const bool ran = Run(("@" + fileName).c_str(), source, limits_.GetLimits().levelScriptInstructions,
                       ErrorLine::kEnded);
  runningLevelScript_ = false;
  return ran;
}

bool ScriptManager::RunString(const std::string& text) {
  if (!state_) return false;
  return Run(text.c_str(), text, limits_.GetLimits().eventTextInstructions, ErrorLine::kOpen);
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
  return true;
}

// Precompiled chunks are refused: the interpreter does not check them, and
// a broken one crashes it.
bool ScriptManager::Run(const char* chunkName, const std::string& source, long instructions,
                        ErrorLine errorLine) {
  if (!source.empty() && source[0] == LUA_SIGNATURE[0]) {
    Log(std::string(chunkName) + ": precompiled chunks are not run");
    return false;
  }
  limits_.StartBudget(state_, instructions);
  const bool ran = luaL_loadbuffer(state_, source.data(), source.size(), chunkName) == 0 &&
                   lua_pcall(state_, 0, 0, 0) == 0;
  if (!ran) LogError(errorLine);
  lua_settop(state_, 0);
  return ran;
}

void ScriptManager::LogError(ErrorLine errorLine) {
  const char* message = lua_tostring(state_, -1);
  const std::string text = message ? message : "(a script error without a message)";
  if (errorLine == ErrorLine::kOpen)
    LogVerbatim(text);
  else
    Log(text);
}

}  // namespace Kest
