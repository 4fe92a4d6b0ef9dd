#include "game/level/level.h"

#include <algorithm>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/level/eventmanager.h"
#include "game/level/levelcondition.h"
#include "game/level/timermanager.h"
#include "game/level/variablemanager.h"
#include "game/objects/meters.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "game/screens/debugconsole.h"
#include "game/screens/objectiveswindow.h"
#include "game/utility/utility.h"
#include "script/scriptmanager.h"

namespace Kest {

namespace {

Level* instance = nullptr;

constexpr unsigned kLevelTimeTicks = 999 * 100;
constexpr int kTimerDisplayDepth = -9999;

}  // namespace

Level::Level() {
  instance = this;
  TimerManager::Create();
  ResourceManager::Create();
  EventManager::Create();
  ScriptManager::Create();
}

Level::~Level() {
  TimerManager::Destroy();
  EventManager::Destroy();
  ScriptManager::Destroy();
  ResourceManager::Destroy();
  ClearConditions();
  VariableManager::Destroy();
  Bike::Destroy();
  if (instance == this) instance = nullptr;
}

Level* Level::GetInstance() { return instance; }

void Level::Load(const std::string& filename, bool wait) {
  if (filename.empty() && name_.empty()) return;
  const std::string script = filename.empty() ? name_ : filename;
  Log("Loading the level " + script);
  waiting_ = wait;
  ResetGameState();
  DebugConsole::Log("restart " + script);
  ScriptManager::GetInstance()->LoadScript(script);
  name_ = script;
  if (ObjectivesWindow* goals = ObjectivesWindow::GetInstance()) goals->Rebuild();
}

// The old script state goes first: what its collector still owns must be
// deleted while the world it lives in stands. The events go before the
// objects they test (so that no object's end has to look for its events),
// prototypes with bodies before the world too; the rest of the old
// resources after it.
void Level::ResetGameState() {
  ScriptManager::GetInstance()->Close();
  TimerManager::GetInstance()->Stop();
  EventManager::GetInstance()->Clear();
  ResourceManager::GetInstance()->ClearPrototypes();
  App* app = GetApplication();
  app->ResetWorld();
  app->SetQueryUpdate(true);
  ClearConditions();
  ResourceManager::Create();
  VariableManager::Create();
  Bike::Create();
  TimerManager::GetInstance()->SetLevelTime(kLevelTimeTicks);
  app->GetSpace()->Insert(new TimerDisplay(), kTimerDisplayDepth);
  if (ObjectivesWindow* goals = ObjectivesWindow::GetInstance()) goals->Clear();
}

void Level::StartPlay() {
  waiting_ = false;
  TimerManager::GetInstance()->Start();
}

bool Level::Add(LevelCondition* condition) {
  if (!condition) {
    Log("Level: no condition to add");
    return false;
  }
  if (std::find(conditions_.begin(), conditions_.end(), condition) != conditions_.end()) {
    Log("Level: the condition is already one of the level's");
    return false;
  }
  conditions_.push_back(condition);
  return true;
}

bool Level::IsFinished() const { return !conditions_.empty() && IsAllSatisfied(); }

bool Level::IsAllSatisfied() const {
  return std::all_of(conditions_.begin(), conditions_.end(),
                     [](LevelCondition* condition) { return condition->IsSatisfied(); });
}

void Level::ClearConditions() {
  std::vector<LevelCondition*> conditions;
  conditions.swap(conditions_);
  for (LevelCondition* condition : conditions) delete condition;
}

}  // namespace Kest
