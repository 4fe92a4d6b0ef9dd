#include "game/objects/reaction.h"

#include "game/bike/bike.h"
#include "game/objects/circle.h"
#include "game/utility/utility.h"
#include "tessora/block.h"
#include "tessora/contactbuffer.h"
#include "tessora/static.h"

namespace Kest {

ReactionCallback::ReactionCallback(const std::vector<Object*>& triggers)
    : triggers_(triggers.begin(), triggers.end()) {}

bool ReactionCallback::IsTrigger(const Tessora::Object* body) const {
  for (const ObjectLink& trigger : triggers_) {
    if (trigger.Get() && trigger.Get()->GetBody() == body) return true;
  }
  return false;
}

void OnReactionContact(Tessora::ContactBuffer* buffer) {
  auto* reaction = static_cast<ReactionCallback*>(buffer->GetA()->surface.userData);
  if (reaction && reaction->IsTrigger(buffer->GetB())) reaction->React();
}

std::vector<Object*> BikeTriggers(Triggers which, const std::string& zoneKind) {
  const Bike* bike = Bike::GetInstance();
  if (!bike) {
    Log(zoneKind + ": there is no bike yet, so nothing sets this zone off");
    return {};
  }
  if (which == Triggers::kChassis) return {bike->GetChassis()};
  return {bike->GetChassis(), bike->GetFrontWheel(), bike->GetDrivenWheel()};
}

std::unique_ptr<Tessora::Object> MakeZone(float x, float y, float width, float height,
                                          ReactionCallback* reaction) {
  auto zone = std::make_unique<Tessora::Static<Tessora::Block>>(
      new Tessora::Block(Tessora::Vec2(x, y), Tessora::Vec2(x + width, y + height)));
  zone->surface.collisionMask = 0;
  zone->surface.contactCallback = &OnReactionContact;
  zone->surface.userData = reaction;
  return zone;
}

}  // namespace Kest
