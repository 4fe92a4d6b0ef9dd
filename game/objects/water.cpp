#include "game/objects/water.h"

#include "game/bike/bike.h"
#include "tessora/object.h"

namespace Kest {

WaterCallback::WaterCallback() : ReactionCallback(BikeTriggers(Triggers::kChassis, "Water")) {}

void WaterCallback::React() {
  if (Bike* bike = Bike::GetInstance()) bike->SetInWater(true);
}

Water::Water(float x, float y, float width, float height)
    : zone_(MakeZone(x, y, width, height, &reaction_)) {}

}  // namespace Kest
