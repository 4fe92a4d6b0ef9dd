// The script engine: the one interpreter state in which the level script
// and the script texts of its events run. Every level load closes the old
// state and runs the level script in a fresh one with the module `Kest` and
// the `string` and `math` libraries, nothing else (the module's classes
// read-only, the string functions bounded). Errors of any kind go to
// the trace log and the game goes on; the stack is left empty after every
// run.
#pragma once

#include <memory>
#include <string>

#include "script/statelimits.h"

struct lua_State;

namespace Kest {

class ScriptOwnership;

class ScriptManager {
 public:
  // Replaces the engine by a new one without a state.
  static ScriptManager* Create(const ScriptLimits& limits = ScriptLimits());
  static void Destroy();
  static ScriptManager* GetInstance();

  // Closes the state.
  ~ScriptManager();
  ScriptManager(const ScriptManager&) = delete;
  ScriptManager& operator=(const ScriptManager&) = delete;

  // Runs the file in a fresh state; true when it loaded and ran without an
  // error. The name keeps its backslashes everywhere but in the open.
  bool LoadScript(const std::string& fileName);
  // Runs the text in the current state (a state must exist) as part of the
  // current pass of the main loop; true when it compiled and ran without an
  // error.
  bool RunString(const std::string& text);
  // The last RunString found the pass's budget spent: the text did not run
  // and should be handed over again in a later pass.
  bool WasSkipped() const { return skipped_; }
  // A pass of the main loop begins: the texts it runs share a fresh pass
  // budget. Nothing without an engine.
  static void StartPass();
  // The running chunk told so many variable observers: its budget pays.
  // Nothing when no chunk runs (a picked item sets its variable).
  static void ChargeObserversTold(std::size_t count);
  // Ends the state: the script's values go, and what the script made and
  // nobody took is deleted. Nothing when there is no state.
  void Close();

  // Null before the first load and after Close.
  lua_State* GetState() const { return state_; }
  // What the script made and who holds it; null without a state.
  ScriptOwnership* GetOwnership() const { return ownership_.get(); }
  // True while the level script itself runs, not an event text.
  bool IsRunningLevelScript() const { return runningLevelScript_; }
  std::size_t GetMemoryInUse() const { return limits_.GetMemoryInUse(); }

 private:
  explicit ScriptManager(const ScriptLimits& limits);

  bool OpenState();
  // An event text's error ends no line of the log; a level script's does.
  enum class ErrorLine { kEnded, kOpen };
  bool Run(const char* chunkName, const std::string& source, ErrorLine errorLine);
  void LogError(ErrorLine errorLine = ErrorLine::kEnded);
  // Logs the line unless the flag says it was logged in this level.
  static void LogOnce(bool& logged, const std::string& line);

  StateLimits limits_;
  lua_State* state_ = nullptr;
  std::unique_ptr<ScriptOwnership> ownership_;
  bool runningLevelScript_ = false;
  bool running_ = false;
  bool skipped_ = false;
  bool waitLogged_ = false;
  bool tooLongLogged_ = false;
  bool pastBudgetLogged_ = false;
};

}  // namespace Kest
