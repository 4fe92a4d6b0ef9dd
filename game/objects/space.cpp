#include "game/objects/space.h"

#include "game/objects/object.h"
#include "game/objects/resourcemanager.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

// The entry the object made in the index; end when the key had one before.
template <class Index, class Key>
typename Index::iterator Enter(Index& index, const Key& key, Object* object) {
  const auto entry = index.emplace(key, object);
  return entry.second ? entry.first : index.end();
}

template <class Index>
void Leave(Index& index, typename Index::iterator entry) {
  if (entry != index.end()) index.erase(entry);
}

bool IsPrototype(const Object* object) {
  const ResourceManager* resources = ResourceManager::GetInstance();
  return resources && resources->IsPrototype(object);
}

}  // namespace

Space::~Space() { Clear(); }

bool Space::Insert(Object* object, int depth, const std::string& name) {
  if (!Admits(object)) return false;
  if (object->InsertInto(*this, static_cast<float>(depth), name)) return true;
  return InsertAt(object, depth, name);
}

// Each object has one owner: the space deletes what it holds, and so does
// the resource manager.
bool Space::Admits(const Object* object) const {
  if (!object) return false;
  if (Contains(object)) {
    Log("Space: an object already in the space is not inserted again");
    return false;
  }
  if (IsPrototype(object)) {
    Log("Space: a registered prototype is not inserted");
    return false;
  }
  return true;
}

bool Space::InsertAt(Object* object, int depth, const std::string& name) {
  if (!Admits(object)) return false;
  object->SetDepth(static_cast<float>(depth));
  objects_.insert(object);
  Entries entries{bodies_.end(), names_.end()};
  if (const Tessora::Object* body = object->GetBody()) entries.body = Enter(bodies_, body, object);
  if (!name.empty()) entries.name = Enter(names_, name, object);
  members_.emplace(object, entries);
  return true;
}

Space::Position Space::Erase(Position position) {
  Object* object = *position;
  const auto member = members_.find(object);
  Leave(bodies_, member->second.body);
  Leave(names_, member->second.name);
  members_.erase(member);
  const Position next = objects_.erase(position);
  delete object;
  return next;
}

void Space::Clear() {
  for (Position position = objects_.begin(); position != objects_.end();) {
    position = Erase(position);
  }
}

Object* Space::FindObject(const std::string& name) const {
  const auto entry = names_.find(name);
  return entry == names_.end() ? nullptr : entry->second;
}

Object* Space::FindByBody(const Tessora::Object* body) const {
  const auto entry = bodies_.find(body);
  return entry == bodies_.end() ? nullptr : entry->second;
}

bool Space::Contains(const Object* object) const { return members_.count(object) != 0; }

}  // namespace Kest
