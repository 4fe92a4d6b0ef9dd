#include "game/objects/pickableitem.h"

#include "game/level/variablemanager.h"
#include "game/objects/space.h"
#include "game/screens/debugconsole.h"
#include "game/utility/utility.h"
#include "tessora/object.h"

namespace Kest {

PickableItemCallback::PickableItemCallback(PickableItem* owner)
    : ReactionCallback(BikeTriggers(Triggers::kChassisAndWheels, "PickableItem")),
      owner_(owner) {}

void PickableItemCallback::React() { owner_->Pick(); }

PickableItem::PickableItem(const std::string& name, float x, float y, float width, float height)
    : reaction_(this), zone_(MakeZone(x, y, width, height, &reaction_)), name_(name) {}

PickableItem::~PickableItem() { DropHeldImage(); }

void PickableItem::DropHeldImage() {
  if (inserted_) return;
  Object* image = image_.Get();
  image_.Reset(nullptr);
  delete image;
}

namespace {

const Object* ImageOf(const Object* object) {
  const auto* item = dynamic_cast<const PickableItem*>(object);
  return item ? item->GetImage() : nullptr;
}

// An item taken as an image holds its own image: an item that held itself
// through any chain of them would never be deleted.
bool WouldHoldItself(const PickableItem* item, const Object* image) {
  for (const Object* held = image; held; held = ImageOf(held)) {
    if (held == item) return true;
  }
  return false;
}

}  // namespace

bool PickableItem::SetImage(Object* image) {
  if (WouldHoldItself(this, image)) {
    Log("PickableItem: an item cannot be its own image, nor that of an item it is the image of");
    return false;
  }
  if (inserted_) {
    Log("PickableItem: the image of " + name_.str() + " cannot change once the item is in the level");
    return false;
  }
  if (image == image_.Get()) return true;
  DropHeldImage();
  image_.Reset(image);
  return true;
}

bool PickableItem::InsertInto(Space& space, float depth, const std::string& name) {
  const int layer = static_cast<int>(depth);
  if (Object* image = image_.Get()) space.Insert(image, layer);
  space.InsertAt(this, layer, name);
  inserted_ = true;
  return true;
}

// The item stays in the world until the space sweeps it, so later steps
// may touch it again: it is collected only once.
void PickableItem::Pick() {
  if (IsRemoved()) return;
  if (VariableManager* variables = VariableManager::GetInstance()) variables->SetVariable(name_);
  SetRemoved(true);
  if (Object* image = image_.Get()) image->SetRemoved(true);
  DebugConsole::Log("picked: " + name_.str());
}

}  // namespace Kest
