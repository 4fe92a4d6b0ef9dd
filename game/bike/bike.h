// The player's motorbike with its rag-doll rider. The bike is no level
// object itself: it builds level objects (wheels, an invisible chassis, the
// motorbike picture, the rider's parts, the HUD dials) into the level's
// space and binds them with solver joints. Each level load makes a new bike
// at (0, 100); the level script then moves it to its start.
//
// The main loop drives it each pass: keys set the throttle and lean, and
// each physics step is framed by PreStep and Step. The collision pass in
// between reports the wheels' and the head's contacts.
#pragma once

#include <array>
#include <atomic>
#include <vector>

#include <ode/ode.h>

#include "game/bike/fliphistory.h"
#include "game/bike/leanimpulse.h"
#include "game/objects/observerlist.h"
#include "game/bike/rider.h"
#include "tessora/vec2.h"

namespace Tessora {
class ContactBuffer;
class Object;
}  // namespace Tessora

namespace Kest {

class BikeObserver;
class Bitmap;
class Block;
class Circle;
class Object;
class RotationMeter;
class Space;
class SpeedMeter;

class Bike {
 public:
  enum Throttle { kAccelerate = 0, kBrake = 1, kIdle = 2 };

  // Replaces the bike with a new one built in the application's space.
  static Bike* Create();
  // The same in the given space (its objects take their bodies from the
  // physics world, GetPhysicsWorld).
  static Bike* Create(Space& space);
  static void Destroy();
  // The bike of the current level, or null before the first level load.
  static Bike* GetInstance();

  // Deletes the observers still registered. The level objects and joints
  // belong to the space and the world, which may be gone already.
  ~Bike();
  Bike(const Bike&) = delete;
  Bike& operator=(const Bike&) = delete;

  // Places the bike with its rider at (x, y), level and at rest, and
  // centres the camera on it.
  void MoveTo(float x, float y);
  // The chassis centre.
  Tessora::Vec2 GetPosition() const;
  Object* GetChassis() const;

  // Asks the main loop to load the level again. Also called from the timer
  // thread when the level time runs out.
  void RestartLevel() { restartRequested_ = true; }
  bool IsRestartRequested() const { return restartRequested_; }
  // The head's contact callback: any collidable object restarts the level.
  static void OnHeadContact(Tessora::ContactBuffer* buffer);

  // Before each physics step: the contact flags wait for the collision pass.
  void PreStep();
  // After each physics step and the level's events, with the milliseconds
  // since the last step.
  void Step(float elapsedMs);

  // kAccelerate, kBrake, anything else idle.
  void SetThrottle(int state) { throttle_ = state; }
  // A lean starts only when the same lean is not still active.
  void LeanBack();
  void LeanForward();
  // Faces the other way: the wheels swap roles and the rider is seated
  // mirrored; the bike itself keeps its place and motion.
  void TurnAround();
  // 0 facing right, 1 facing left.
  int GetDirection() const { return direction_; }

  // Water makes the chassis heavy while it touches it.
  void SetInWater(bool inWater);
  // A boost zone's kick, when the bike drives the boost's way.
  void Boost(bool leftward);

  // The camera shakes while this is set.
  bool IsShaking() const { return shaking_; }
  unsigned GetFlips() const { return flips_; }
  // Milliseconds with the front wheel touching nothing collidable.
  float GetWheelieTime() const { return wheelieTime_; }
  // The driven wheel's turning speed as last read (the motor's target in
  // water).
  float GetMotorSpeed() const { return motorSpeed_; }
  // Set until the front wheel touches something collidable in a step.
  bool IsFrontWheelAirborne() const { return frontWheelAirborne_; }

  // Wheel collision events: by default every collidable contact of the
  // front wheel raises one and the rear wheel raises none. A null object
  // leaves a target as it was.
  void SetFrontWheelTarget(Object* object);
  void SetRearWheelTarget(Object* object);
  // True: the front wheel's event comes from anything but its target;
  // false: only from its target.
  void SetFrontWheelExceptTarget(bool except) { frontWheelExceptTarget_ = except; }

  // The bike deletes the observers still registered when it goes.
  void AddObserver(BikeObserver* observer);
  // Safe from inside OnBikeEvent.
  void RemoveObserver(BikeObserver* observer);
  void NotifyObservers(int kind);

  // Both wheels' contact callback.
  static void OnWheelContact(Tessora::ContactBuffer* buffer);

  // The quadrant bit of an angle in radians: 1 for [0, pi/2), 2, 4, 8
  // going on clockwise on the screen; 0 for NaN.
  static int AngleQuadrant(float angle);
  static void AddForce(Object* object, const Tessora::Vec2& force);

  // The wheel ahead in the driving direction, and the one the motor drives.
  Circle* GetFrontWheel() const { return frontWheel_; }
  Circle* GetDrivenWheel() const { return drivenWheel_; }
  const Rider& GetRider() const { return rider_; }

 private:
  explicit Bike(Space& space);

  void BuildBike(const Tessora::Vec2& position);
  void MakeMachine(const Tessora::Vec2& position);
  void JoinWheels();
  void ListenToContacts();
  void AddMeters();
  // Seats the rider for the current direction and the chassis's pose.
  void BuildDriver();

  void OnWheelTouch(const Tessora::ContactBuffer& buffer);
  void RegisterSmoke() const;
  void FloatInWater(float turning);
  void CountFlips();
  void Accelerate(float speed);
  void Brake(float speed);
  void Idle();
  void PuffExhaustSmoke();
  void PuffBrakeSmoke();
  // A copy of the smoke prototype of that name, its square frame of the
  // given half size centred on the point.
  void SpawnSmoke(const char* name, const Tessora::Vec2& centre, float halfSize, int depth);
  void PullFrontWheelTowardHead();
  // The bike's figures on the debug console, when there is one.
  void ShowOnConsole() const;
  Object& Head() const { return *rider_.GetPart(Rider::kHead); }
  // The chassis, the "rearwheel" and the "frontwheel" objects.
  std::array<Object*, 3> Machine() const;

  // Out of water.
  static constexpr float kChassisDensity = 1.5f;

  Space& space_;
  float smokeTimer_ = 0.0f;
  float brakeSmokeTimer_ = 0.0f;
  Block* chassis_ = nullptr;
  Circle* rearWheelObject_ = nullptr;
  Circle* frontWheelObject_ = nullptr;
  Bitmap* motorbikeImage_ = nullptr;
  float motorSpeed_ = 0.0f;
  int throttle_ = kIdle;
  dJointID driveMotor_ = nullptr;
  int direction_ = 0;
  LeanImpulse leanBack_;
  LeanImpulse leanForward_;
  Circle* frontWheel_ = nullptr;
  Circle* drivenWheel_ = nullptr;
  SpeedMeter* speedMeter_ = nullptr;
  RotationMeter* rotationMeter_ = nullptr;
  Rider rider_;
  bool shaking_ = false;
  float shakeTimer_ = 0.0f;
  bool inWater_ = false;
  std::atomic<bool> restartRequested_{false};
  bool noContact_ = false;
  bool frontWheelAirborne_ = false;
  float wheelieTime_ = 0.0f;
  unsigned flips_ = 0;
  FlipHistory flipHistory_;
  ObserverList<BikeObserver> observers_;
  Tessora::Vec2 rearContact_;
  Tessora::Object* frontWheelTarget_ = nullptr;
  Tessora::Object* rearWheelTarget_ = nullptr;
  bool frontWheelExceptTarget_ = true;
};

}  // namespace Kest
