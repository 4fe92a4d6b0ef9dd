#include "game/level/variablemanager.h"

#include <algorithm>
#include <memory>

#include "game/screens/debugconsole.h"
#include "script/scriptmanager.h"

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

// The console keeps only the start of a line: only that much is copied.
void VariableManager::SetVariable(const std::string& name, const std::string& value) {
  constexpr std::size_t kShown = DebugConsole::kMostTextBytes;
  std::string line = name.substr(0, kShown);
  line += '=';
  line.append(value, 0, kShown - std::min(kShown, line.size()));
  DebugConsole::Log(line);
  variables_.insert_or_assign(name, value);
  ScriptManager::ChargeObserversTold(NotifyObservers(name, value));
}

void VariableManager::SetVariable(const std::string& name) { SetVariable(name, "1"); }

bool VariableManager::HasVariable(const std::string& name) const {
  return variables_.count(name) != 0;
}

std::string VariableManager::GetVariable(const std::string& name) const {
  const auto entry = variables_.find(name);
  return entry == variables_.end() ? std::string() : entry->second.str();
}

void VariableManager::AddObserver(VariableObserver* observer) {
  if (!observer || places_.count(observer)) return;
  const auto name = observers_.try_emplace(observer->GetWatchedName()).first;
  places_[observer] = Place{name, name->second.insert(name->second.end(), observer)};
}

void VariableManager::RemoveObserver(VariableObserver* observer) {
  const auto place = places_.find(observer);
  if (place == places_.end()) return;
  const Place where = place->second;
  places_.erase(place);
  *where.node = nullptr;
  if (walks_ > 0) return;
  where.name->second.erase(where.node);
  DropIfEmpty(where.name);
}

std::size_t VariableManager::NotifyObservers(const std::string& name, const std::string& value) {
  const auto watchers = observers_.find(name);
  if (watchers == observers_.end()) return 0;
  std::size_t told = 0;
  ++walks_;
  Observers& list = watchers->second;
  for (auto node = list.begin(); node != list.end();) {
    if (!*node) {
      node = walks_ == 1 ? list.erase(node) : std::next(node);
      continue;
    }
    (*node)->OnVariableChanged(value);
    ++told;
    ++node;
  }
  if (--walks_ == 0) DropIfEmpty(watchers);
  return told;
}

void VariableManager::DropIfEmpty(HeldTextMap<Observers>::iterator name) {
  if (name->second.empty()) observers_.erase(name);
}

}  // namespace Kest
