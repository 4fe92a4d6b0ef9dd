// Holds once the bike has done what the condition waits for since the
// event last ran: a flip, or a wheel touching what the wheel rules make it
// report (BikeObserver kinds).
#pragma once

#include "game/bike/bikeobserver.h"
#include "game/level/condition.h"

namespace Kest {

class BikeCondition : public Condition, public BikeObserver {
 public:
  // Listens to the bike of the moment, when there is one.
  explicit BikeCondition(int kind);
  ~BikeCondition() override;

  bool IsSatisfied(Object* argument) override;
  void Reset() override { happened_ = false; }
  void OnBikeEvent(int kind, Bike* bike) override;

 private:
  int kind_;
  bool happened_ = false;
};

}  // namespace Kest
