#include "game/level/bikecondition.h"

#include "game/bike/bike.h"
#include "game/screens/debugconsole.h"

namespace Kest {

namespace {

const char* ConsoleLine(int kind) {
  switch (kind) {
    case BikeObserver::kFlip: return "Event: FLIP";
    case BikeObserver::kFrontWheelCollision: return "Event: FRONT_WHEEL_COLLISION";
    case BikeObserver::kRearWheelCollision: return "Event: REAR_WHEEL_COLLISION";
    default: return "Event: bike";
  }
}

}  // namespace

BikeCondition::BikeCondition(int kind) : kind_(kind) {
  if (Bike* bike = Bike::GetInstance()) bike->AddObserver(this);
}

BikeCondition::~BikeCondition() {
  if (Bike* bike = Bike::GetInstance()) bike->RemoveObserver(this);
}

bool BikeCondition::IsSatisfied(Object*) { return happened_; }

void BikeCondition::OnBikeEvent(int kind, Bike*) {
  if (kind != kind_) return;
  happened_ = true;
  DebugConsole::Log(ConsoleLine(kind));
}

}  // namespace Kest
