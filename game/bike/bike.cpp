#include "game/bike/bike.h"

#include <algorithm>

#include "game/app/app.h"
#include "game/bike/bikeobserver.h"
#include "game/bike/bikeparts.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/bodyobject.h"
#include "game/objects/circle.h"
#include "game/objects/meters.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "render/setup.h"
#include "tessora/contactbuffer.h"
#include "tessora/world.h"

namespace Kest {

namespace {

Bike* instance = nullptr;

constexpr float kWheelOffset = 50.0f;
constexpr float kWheelRadius = 30.0f;
constexpr float kWheelBrake = 10000.0f;
constexpr float kWheelHingeErp = 0.2f;
constexpr float kWheelDensity = 2.0f;
constexpr int kHudDepth = -9999;

}  // namespace

Bike* Bike::Create() { return Create(*GetApplication()->GetSpace()); }

Bike* Bike::Create(Space& space) {
  Destroy();
  return new Bike(space);
}

void Bike::Destroy() { delete instance; }

Bike* Bike::GetInstance() { return instance; }

Bike::Bike(Space& space) : space_(space), rider_(space) {
  instance = this;
  RegisterSmoke();
  BuildBike(Tessora::Vec2(0.0f, 100.0f));
}

// The bike owns its observers. An observer's destructor unregisters it from
// the bike, so the list is emptied before any of them is deleted.
Bike::~Bike() {
  for (BikeObserver* observer : observers_.TakeAll()) delete observer;
  if (instance == this) instance = nullptr;
}

// Each smoke copy plays its frames once and then removes itself.
void Bike::RegisterSmoke() const {
  ResourceManager* resources = ResourceManager::GetInstance();
  if (!resources) return;
  resources->RegisterObject(
      "smoke", new Sprite("res\\smoke.png", 4, 128, 128, 16, 100.0f, 0.0f, 0.0f, false, false));
  resources->RegisterObject("smoke_small", new Sprite("res\\smoke_small.png", 8, 64, 64, 16, 80.0f,
                                                      0.0f, 0.0f, false, false));
}

void Bike::BuildBike(const Tessora::Vec2& position) {
  MakeMachine(position);
  JoinWheels();
  BuildDriver();
  ListenToContacts();
  AddMeters();
  restartRequested_ = false;
}

// Two wheels and, between their centres, a thin chassis that only carries
// the picture and the joints: it touches nothing.
void Bike::MakeMachine(const Tessora::Vec2& p) {
  rearWheelObject_ = new Circle(p.x - kWheelOffset, p.y, kWheelRadius, "res\\wheel.png", true);
  frontWheelObject_ = new Circle(p.x + kWheelOffset, p.y, kWheelRadius, "res\\wheel.png", true);
  chassis_ = new Block(p.x - kWheelOffset, p.y - 2.0f, 2.0f * kWheelOffset, 4.0f, "", true);
  chassis_->SetVisible(false);
  motorbikeImage_ = new Bitmap(-2.0f, -28.0f, "res\\moto.png", chassis_);
  frontWheel_ = frontWheelObject_;
  drivenWheel_ = rearWheelObject_;
  space_.Insert(rearWheelObject_, 0, "rearwheel");
  space_.Insert(frontWheelObject_, 0, "frontwheel");
  space_.Insert(chassis_, 0, "driver");
  space_.Insert(motorbikeImage_, 0);
  rearWheelObject_->SetMass(kWheelDensity);
  frontWheelObject_->SetMass(kWheelDensity);
  chassis_->SetMass(kChassisDensity);
  chassis_->SetCollisionMask(0);
}

// The drive motor turns the driven wheel against the fixed world; each
// wheel's hinge brakes it against the chassis.
void Bike::JoinWheels() {
  Tessora::World& world = GetPhysicsWorld();
  driveMotor_ = world.CreateMotor(drivenWheel_->GetBody());
  Tessora::SetMotorSpeed(driveMotor_, motorSpeed_);
  for (Circle* wheel : {rearWheelObject_, frontWheelObject_}) {
    world.CreateHinge(wheel->GetBody(), chassis_->GetBody(), PositionOf(*wheel), kWheelBrake,
                      kWheelHingeErp);
  }
}

void Bike::ListenToContacts() {
  Tessora::SurfaceProperties& head = Head().GetBody()->surface;
  head.contactCallback = &Bike::OnHeadContact;
  head.userData = this;
  for (Circle* wheel : {rearWheelObject_, frontWheelObject_}) {
    Tessora::SurfaceProperties& surface = wheel->GetBody()->surface;
    surface.contactCallback = &Bike::OnWheelContact;
    surface.userData = this;
    surface.bounce = 0.1f;
  }
}

void Bike::BuildDriver() { rider_.Build(*chassis_, direction_); }

void Bike::AddMeters() {
  speedMeter_ = new SpeedMeter();
  rotationMeter_ = new RotationMeter();
  space_.Insert(speedMeter_, kHudDepth);
  space_.Insert(rotationMeter_, kHudDepth);
}

// The wheels keep their fixed places whichever way the bike faces. Every
// part of bike and rider is stopped: a rider still moving would be flung
// off the bike at its new place.
void Bike::MoveTo(float x, float y) {
  chassis_->GetBody()->SetPosition(Tessora::Vec2(x, y));
  rearWheelObject_->GetBody()->SetPosition(Tessora::Vec2(x - kWheelOffset, y));
  frontWheelObject_->GetBody()->SetPosition(Tessora::Vec2(x + kWheelOffset, y));
  dMatrix3 level;
  dRFromAxisAndAngle(level, 0.0f, 0.0f, 1.0f, 0.0f);
  for (const Object* part : Machine()) {
    dBodySetRotation(BodyOf(*part), level);
    StopMotion(*part);
  }
  rider_.Stop();
  Tessora::SetMotorSpeed(driveMotor_, 0.0f);
  BuildDriver();
  if (App* app = GetApplication()) {
    const int halfWidth = ol::Setup::GetScreenWidth() / 2;
    const int halfHeight = ol::Setup::GetScreenHeight() / 2;
    app->SetCamera(ol::Vec2(x - halfWidth, y - halfHeight));
  }
}

std::array<Object*, 3> Bike::Machine() const {
  return {chassis_, rearWheelObject_, frontWheelObject_};
}

Tessora::Vec2 Bike::GetPosition() const { return PositionOf(*chassis_); }

Object* Bike::GetChassis() const { return chassis_; }

// Runs for every overlap of the head, also when the pair made no contact.
void Bike::OnHeadContact(Tessora::ContactBuffer* buffer) {
  Bike* bike = static_cast<Bike*>(buffer->GetA()->surface.userData);
  if (bike && buffer->GetB()->surface.collisionMask != 0) bike->RestartLevel();
}

// Runs for every overlap of a wheel; objects that make no contacts (the
// chassis, the rider's limbs, sensors) do not count as ground.
void Bike::OnWheelContact(Tessora::ContactBuffer* buffer) {
  Bike* bike = static_cast<Bike*>(buffer->GetA()->surface.userData);
  if (!bike || buffer->GetB()->surface.collisionMask == 0) return;
  bike->OnWheelTouch(*buffer);
}

void Bike::OnWheelTouch(const Tessora::ContactBuffer& buffer) {
  const Tessora::Object* wheel = buffer.GetA();
  const Tessora::Object* other = buffer.GetB();
  const bool driven = wheel == drivenWheel_->GetBody();
  const bool front = wheel == frontWheel_->GetBody();
  noContact_ = false;
  if (driven) {
    rearContact_ = buffer.GetCount() >= 1 ? buffer.GetPosition(0) : Tessora::Vec2();
  } else if (front) {
    frontWheelAirborne_ = false;
  }
  if (front) {
    if ((other != frontWheelTarget_) == frontWheelExceptTarget_) {
      NotifyObservers(BikeObserver::kFrontWheelCollision);
    }
  } else if (driven && other == rearWheelTarget_) {
    NotifyObservers(BikeObserver::kRearWheelCollision);
  }
}

void Bike::SetFrontWheelTarget(Object* object) {
  if (object) frontWheelTarget_ = object->GetBody();
}

void Bike::SetRearWheelTarget(Object* object) {
  if (object) rearWheelTarget_ = object->GetBody();
}

void Bike::AddObserver(BikeObserver* observer) { observers_.Add(observer); }

void Bike::RemoveObserver(BikeObserver* observer) { observers_.Remove(observer); }

void Bike::NotifyObservers(int kind) {
  observers_.ForEach([&](BikeObserver* observer) { observer->OnBikeEvent(kind, this); });
}

}  // namespace Kest
