#include "game/level/variablemanager.h"

#include <memory>

#include "game/screens/debugconsole.h"

namespace Kest {

namespace {
std::unique_ptr<VariableManager> instance;
}  // namespace

void VariableManager::Create() {
  Destroy();
  instance.reset(new VariableManager());
}

void VariableManager::Destroy() { instance.reset(); }

VariableManager* VariableManager::GetInstance() { return instance.get(); }

void VariableManager::SetVariable(const std::string& name, const std::string& value) {
  DebugConsole::Log(name + "=" + value);
  variables_.insert_or_assign(name, value);
  NotifyObservers(name, value);
}

void VariableManager::SetVariable(const std::string& name) { SetVariable(name, "1"); }

bool VariableManager::HasVariable(const std::string& name) const {
  return variables_.count(name) != 0;
}

std::string VariableManager::GetVariable(const std::string& name) const {
  const auto entry = variables_.find(name);
  return entry == variables_.end() ? std::string() : entry->second.str();
}

void VariableManager::NotifyObservers(const std::string& name, const std::string& value) {
  observers_.ForEach([&](VariableObserver* observer) {
    if (observer->GetWatchedName() == name) observer->OnVariableChanged(value);
  });
}

}  // namespace Kest
