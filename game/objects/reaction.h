// Zones that act on the bike when it touches them: boost strips, water and
// pick-up items. A zone is a static block whose collision mask is 0, so
// bodies pass through it, yet the collision pass still hands it its
// contacts; the zone's reaction runs when the other party is one of its
// trigger objects, parts of the bike.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/objects/objectlink.h"

namespace Tessora {
class ContactBuffer;
class Object;
}  // namespace Tessora

namespace Kest {

class ReactionCallback {
 public:
  virtual ~ReactionCallback() = default;

  virtual void React() = 0;
  // Whether the physics object is the body of one of the triggers still
  // alive.
  bool IsTrigger(const Tessora::Object* body) const;
  int GetTriggerCount() const { return static_cast<int>(triggers_.size()); }

 protected:
  explicit ReactionCallback(const std::vector<Object*>& triggers);

 private:
  std::vector<ObjectLink> triggers_;
};

// The contact callback of every zone: the zone's physics object is the
// buffer's A and carries its reaction as the user pointer.
void OnReactionContact(Tessora::ContactBuffer* buffer);

enum class Triggers { kChassis, kChassisAndWheels };

// The current bike's parts that set a zone off. Without a bike there are
// none, and a log line says which zone is left without them.
std::vector<Object*> BikeTriggers(Triggers which, const std::string& zoneKind);

// The zone's physics object: a static block from (x, y) to
// (x + width, y + height) that only senses, reporting to the reaction.
std::unique_ptr<Tessora::Object> MakeZone(float x, float y, float width, float height,
                                          ReactionCallback* reaction);

}  // namespace Kest
