// A pick-up item: an invisible zone, usually shown by a picture of its own
// (a turning star), that the bike collects by touching it with the chassis
// or a wheel. Collecting sets the level variable named after the item and
// takes the item and its picture out of the level.
#pragma once

#include <memory>
#include <string>

#include "game/objects/object.h"
#include "game/objects/objectlink.h"
#include "game/objects/reaction.h"
#include "game/utility/heldtext.h"

namespace Kest {

class PickableItem;

class PickableItemCallback : public ReactionCallback {
 public:
  explicit PickableItemCallback(PickableItem* owner);
  void React() override;

 private:
  PickableItem* owner_;
};

class PickableItem : public Object {
 public:
  // The name is the variable that collecting sets, and what the console
  // shows.
  PickableItem(const std::string& name, float x, float y, float width, float height);
  // Deletes the picture while the item still holds it (the item never went
  // into the space).
  ~PickableItem() override;

  Tessora::Object* GetBody() const override { return zone_.get(); }
  // The picture first, at the same depth and without a name, then the item
  // under the name; the space owns both from then on.
  bool InsertInto(Space& space, float depth, const std::string& name) override;

  // The item holds the picture until it goes into the space; a picture it
  // held before is deleted. Refused with a log line (false) for the item
  // itself, an item that holds it (as its image, or its image's image...)
  // and once the item is in the space.
  bool SetImage(Object* image);
  // Null when there is none, or once the picture was deleted.
  Object* GetImage() const { return image_.Get(); }
  const std::string& GetName() const { return name_; }
  bool IsInserted() const { return inserted_; }

  // What touching it does, once: the item's variable becomes "1", the item
  // and its picture are removed, and the console says what was picked.
  void Pick();

 private:
  void DropHeldImage();

  PickableItemCallback reaction_;
  std::unique_ptr<Tessora::Object> zone_;
  HeldText name_;
  ObjectLink image_;
  bool inserted_ = false;
};

}  // namespace Kest
