// The level's script variables: named texts that scripts set and test, and
// that level conditions and variable events watch. Every level load starts
// with none.
#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

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

  // Writes "name=value" to the debug console (its start only: a value may
  // be megabytes long), stores the value and tells the observers of that
  // name, even when the value did not change. The script that set it pays
  // for each observer told.
  void SetVariable(const std::string& name, const std::string& value);
  // The same with the value "1".
  void SetVariable(const std::string& name);
  bool HasVariable(const std::string& name) const;
  // Empty for a variable that does not exist.
  std::string GetVariable(const std::string& name) const;

  // Null and observers already listed are ignored.
  void AddObserver(VariableObserver* observer);
  // Safe from inside OnVariableChanged.
  void RemoveObserver(VariableObserver* observer);
  // Tells the observers of the name, in the order they joined; returns how
  // many were told.
  std::size_t NotifyObservers(const std::string& name, const std::string& value);

 private:
  // The observers of one name. A node whose observer left during a walk is
  // nulled and unlinked by the outermost walk; outside walks it goes at
  // once, so that neither removing nor telling walks other names.
  using Observers = std::list<VariableObserver*>;
  struct Place {
    HeldTextMap<Observers>::iterator name;
    Observers::iterator node;
  };

  VariableManager() = default;
  void DropIfEmpty(HeldTextMap<Observers>::iterator name);

  HeldTextMap<HeldText> variables_;
  HeldTextMap<Observers> observers_;
  std::unordered_map<const VariableObserver*, Place> places_;
  int walks_ = 0;
};

}  // namespace Kest
