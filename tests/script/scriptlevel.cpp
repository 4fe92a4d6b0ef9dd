#include "tests/script/scriptlevel.h"

#include <lua.hpp>
#include <tolua++.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "game/app/mainloop.h"
#include "game/bike/bike.h"
#include "game/level/eventmanager.h"
#include "game/screens/objectiveswindow.h"
#include "script/scriptmanager.h"

namespace ScriptTest {

namespace {
const char* const kScratchScript = "scratch-level.lua";
}  // namespace

Kest::App* ScriptLevel::app = nullptr;
Kest::Level* ScriptLevel::level = nullptr;

// The window opens once per program; what X and the GL driver allocate here is left out of the leak check.
void ScriptLevel::SetUpTestSuite() {
  if (!app) {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
#endif
    app = new Kest::App(800, 600);
    app->UpdateAndDraw(0.0f, false);
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
  }
  level = new Kest::Level();
  Kest::ObjectivesWindow::Create();
}

void ScriptLevel::TearDownTestSuite() {
  Kest::ObjectivesWindow::Destroy();
  delete level;
  level = nullptr;
}

void ScriptLevel::TearDown() { std::remove(kScratchScript); }

// The level ignores the result of its script: it is read back from the log.
bool ScriptLevel::Load(const std::string& source) {
  WriteFile(kScratchScript, source);
  const std::streamoff before = std::ifstream(trace.Path(), std::ios::ate).tellg();
  level->Load(kScratchScript, true);
  std::ifstream log(trace.Path());
  log.seekg(std::max<std::streamoff>(before, 0));
  for (std::string line; std::getline(log, line);)
    if (line.find(std::string(kScratchScript) + ":") != std::string::npos) return false;
  return true;
}

bool ScriptLevel::Run(const std::string& text) {
  Kest::ScriptManager::StartPass();
  return Kest::ScriptManager::GetInstance()->RunString(text);
}

std::string ScriptLevel::Eval(const std::string& expression) {
  if (!Run("eval_result = " + expression)) return "error";
  lua_State* L = State();
  lua_getglobal(L, "eval_result");
  const int type = lua_type(L, -1);
  const std::string shown = type == LUA_TBOOLEAN ? (lua_toboolean(L, -1) ? "true" : "false")
                            : type == LUA_TNUMBER || type == LUA_TSTRING ? lua_tostring(L, -1)
                            : type == LUA_TUSERDATA                      ? "object"
                                                                         : lua_typename(L, type);
  lua_settop(L, 0);
  return shown;
}

void ScriptLevel::Play(int steps) {
  Kest::Bike& bike = *Kest::Bike::GetInstance();
  for (int step = 0; step < steps; ++step) {
    Kest::ScriptManager::StartPass();
    if (step % 8 == 0) app->UpdateAndDraw(16.0f, true);
    bike.PreStep();
    app->Simulate(Kest::MainLoop::kStepLength);
    Kest::EventManager::GetInstance()->Update();
    bike.Step(2.0f);
  }
}

lua_State* ScriptLevel::State() { return Kest::ScriptManager::GetInstance()->GetState(); }

Kest::Object* ScriptLevel::Global(const char* name) {
  lua_getglobal(State(), name);
  auto* object = static_cast<Kest::Object*>(tolua_tousertype(State(), -1, nullptr));
  lua_settop(State(), 0);
  return object;
}

void WriteFile(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

}  // namespace ScriptTest
