// The objects of the current level, owned, in the order in which they are
// updated and drawn (ascending depth, equal depths in insertion order), with
// lookups by name and by physics body. Each object knows its own entries in
// those lookups, so that erasing one costs the same however many there are.
#pragma once

#include <map>
#include <set>
#include <string>
#include <unordered_map>

#include "game/objects/object.h"
#include "game/utility/heldtext.h"

namespace Kest {

class Space {
  struct ByDepth {
    bool operator()(const Object* a, const Object* b) const { return a->GetDepth() < b->GetDepth(); }
  };

 public:
  using DepthOrder = std::multiset<Object*, ByDepth>;
  using Position = DepthOrder::iterator;

  Space() = default;
  // Deletes every object in depth order.
  ~Space();
  Space(const Space&) = delete;
  Space& operator=(const Space&) = delete;

  // Lets the object insert itself (a rope inserts its parts), else
  // InsertAt. An empty name is no name. False when refused.
  bool Insert(Object* object, int depth = 0, const std::string& name = std::string());
  bool Insert(Object* object, const std::string& name) { return Insert(object, 0, name); }
  // Takes the object over at that depth. Refused with a log line (and
  // false): a null object, one already in the space, and a prototype of the
  // resource manager. The first object under a name keeps the name.
  bool InsertAt(Object* object, int depth, const std::string& name = std::string());

  // Deletes the object at the position and drops its index entries;
  // returns the position of the next one.
  Position Erase(Position position);
  // Deletes every object.
  void Clear();

  Object* FindObject(const std::string& name) const;
  Object* FindByBody(const Tessora::Object* body) const;
  bool Contains(const Object* object) const;

  Position begin() { return objects_.begin(); }
  Position end() { return objects_.end(); }
  bool empty() const { return objects_.empty(); }
  std::size_t size() const { return objects_.size(); }

 private:
  using BodyIndex = std::map<const Tessora::Object*, Object*>;
  using NameIndex = HeldTextMap<Object*>;
  // Where an object stands in the lookups; end when it has no entry there.
  struct Entries {
    BodyIndex::iterator body;
    NameIndex::iterator name;
  };

  bool Admits(const Object* object) const;

  DepthOrder objects_;
  BodyIndex bodies_;
  NameIndex names_;
  std::unordered_map<const Object*, Entries> members_;
};

}  // namespace Kest
