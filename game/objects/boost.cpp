#include "game/objects/boost.h"

#include "game/bike/bike.h"
#include "tessora/object.h"

namespace Kest {

namespace {
constexpr int kLeftward = 2;
}  // namespace

BoostCallback::BoostCallback(int kind)
    : ReactionCallback(BikeTriggers(Triggers::kChassis, "Boost")), kind_(kind) {}

void BoostCallback::React() {
  if (Bike* bike = Bike::GetInstance()) bike->Boost(kind_ == kLeftward);
}

Boost::Boost(const std::string& fileName, int columns, int frameWidth, int frameHeight,
             int frameCount, float frameDelay, float x, float y, bool looping, bool additive,
             int kind)
    : Sprite(fileName, columns, frameWidth, frameHeight, frameCount, frameDelay, x, y, looping,
             additive),
      reaction_(kind),
      zone_(MakeZone(x, y, float(frameWidth), float(frameHeight), &reaction_)) {}

}  // namespace Kest
