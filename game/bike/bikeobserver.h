// Told of what the bike does: flips and wheel contacts. The level's bike
// conditions listen through this.
#pragma once

namespace Kest {

class Bike;

class BikeObserver {
 public:
  enum Kind { kFlip = 0, kFrontWheelCollision = 1, kRearWheelCollision = 2 };

  virtual ~BikeObserver() = default;
  virtual void OnBikeEvent(int kind, Bike* bike) = 0;
};

}  // namespace Kest
