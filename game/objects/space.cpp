#include "game/objects/space.h"

#include "game/objects/object.h"
#include "game/objects/resourcemanager.h"
#include "game/utility/utility.h"

namespace Kest {

namespace {

template <class Map>
void EraseEntriesOf(Map& index, const Object* object) {
  for (auto entry = index.begin(); entry != index.end();) {
    entry = entry->second == object ? index.erase(entry) : std::next(entry);
  }
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
  members_.insert(object);
  if (const Tessora::Object* body = object->GetBody()) bodies_.emplace(body, object);
  if (!name.empty()) names_.emplace(name, object);
  return true;
}

Space::Position Space::Erase(Position position) {
  Object* object = *position;
  EraseEntriesOf(bodies_, object);
  EraseEntriesOf(names_, object);
  members_.erase(object);
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
