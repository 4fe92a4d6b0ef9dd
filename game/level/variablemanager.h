// The level's script variables: named texts that scripts set and test, and
// that level conditions and variable events watch. Every level load starts
// with none.
#pragma once

#include <map>
#include <string>

#include "game/objects/observerlist.h"
#include "game/utility/heldtext.h"

namespace Kest {

// Told of every change of the variable it watches.
class VariableObserver {
 public:
  explicit VariableObserver(std::string name) : name_(std::move(name)) {}
  virtual ~VariableObserver() = default;
  virtual void OnVariableChanged(const std::string& value) = 0;
  const std::string& GetWatchedName() const { return name_; }

 private:
  HeldText name_;
};

class VariableManager {
 public:
  // Replaces the manager by an empty one; its observers are not deleted
  // (their owners do that).
  static void Create();
  static void Destroy();
  static VariableManager* GetInstance();

  // Writes "name=value" to the debug console, stores the value and tells
  // the observers of that name, even when the value did not change.
  void SetVariable(const std::string& name, const std::string& value);
  // The same with the value "1".
  void SetVariable(const std::string& name);
  bool HasVariable(const std::string& name) const;
  // Empty for a variable that does not exist.
  std::string GetVariable(const std::string& name) const;

  void AddObserver(VariableObserver* observer) { observers_.Add(observer); }
  // Safe from inside OnVariableChanged.
  void RemoveObserver(VariableObserver* observer) { observers_.Remove(observer); }
  void NotifyObservers(const std::string& name, const std::string& value);

 private:
  VariableManager() = default;

  HeldTextMap<HeldText> variables_;
  ObserverList<VariableObserver> observers_;
};

}  // namespace Kest
