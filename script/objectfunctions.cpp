#include "script/objectfunctions.h"

#include <cstdio>
#include <string>

#include "game/app/app.h"
#include "game/objects/arc.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/block.h"
#include "game/objects/bodyobject.h"
#include "game/objects/circle.h"
#include "game/objects/composite.h"
#include "game/objects/line.h"
#include "game/objects/objectreader.h"
#include "game/objects/resourcemanager.h"
#include "game/objects/rope.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "game/utility/utility.h"
#include "script/arguments.h"
#include "script/ownership.h"
#include "script/scriptmanager.h"
#include "script/statelimits.h"
#include "script/workcharges.h"
#include "tessora/world.h"

namespace Kest {
namespace ScriptApi {

using namespace ScriptArguments;

namespace {

constexpr float kAnchorErp = 0.2f;

// A position as the scene reader will read it back: as many digits as a
// float needs to come back exact (1234567 stays 1234567, 1.5 stays 1.5).
std::string ExactText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", double(float(value)));
  return text;
}

// The physics object a joint or a turn needs; null with a log line.
Tessora::Object* PhysicsOf(Object* object, const char* function) {
  Tessora::Object* physics = object ? object->GetBody() : nullptr;
  if (!physics) Log(std::string(function) + ": the object has no physics object");
  return physics;
}

// A hinge without a brake to the fixed world, kept in the object's list of
// user joints.
void AnchorTo(Object& object, Tessora::Object& physics, const Tessora::Vec2& point) {
  if (dJointID joint = GetPhysicsWorld().CreateAnchor(&physics, point, 0.0f, kAnchorErp)) {
    object.AddUserJoint(joint);
  }
}

// The running script's charge for the pieces of what it made beyond the
// object itself: an arc's lines, from a call or a scene file, and a rope's
// segments. Counted as one object each, a short loop could fill the memory
// with the largest arcs or ropes.
Object* MadeWithLines(Object* object) {
  const auto* arc = dynamic_cast<const Arc*>(object);
  lua_State* L = ScriptManager::GetInstance()->GetState();
  if (arc && L) StateLimits::ChargeLines(L, arc->GetPartCount());
  return MadeByScript(object);
}

// The scene file read with the level's parsed files, every element it
// walks charged as it goes; the overrides get the position.
Object* ReadSceneObject(const std::string& file, double x, double y, AttributeMap overrides) {
  ChargeCall();
  ResourceManager* resources = ResourceManager::GetInstance();
  if (!resources || resources->GetSceneFiles().IsMissing(file) ||
      !AreFinite("CreateObject", {x, y}) || !IsGameFile("CreateObject", file)) {
    return nullptr;
  }
  overrides["x"] = ExactText(x);
  overrides["y"] = ExactText(y);
  return MadeWithLines(
      LoadObjectFile(file, overrides, resources->GetSceneFiles(), &SpendOnSceneWork));
}

void ChargeSegments(const Rope& rope) {
  if (lua_State* L = ScriptManager::GetInstance()->GetState()) {
    StateLimits::ChargeObject(L, long(rope.GetSegments().size()));
  }
}

Rope* MakeRope(double stub, double x1, double y1, double x2, double y2, double length,
               double brake) {
  if (!AreFinite("CreateRope", {stub, x1, y1, x2, y2, length, brake})) return nullptr;
  const float l = float(stub);
  Rope* rope = new Rope(float(x1), float(y1), float(x2), float(y2), float(length), float(brake));
  rope->AttachStart(new Line(float(x1) - l, float(y1), float(x1), float(y1), std::string(), false));
  rope->AttachEnd(new Line(float(x2), float(y2), float(x2) + l, float(y2), std::string(), false));
  ChargeSegments(*rope);
  return MadeByScript(rope);
}

void SetFirstColor(Rope* rope, double bandDepth, double r, double g, double b, double a) {
  rope->SetFirstColor(ToFloat(bandDepth), ToChannel(r), ToChannel(g), ToChannel(b), ToChannel(a));
}

void SetSecondColor(Rope* rope, double r, double g, double b, double a) {
  rope->SetSecondColor(ToChannel(r), ToChannel(g), ToChannel(b), ToChannel(a));
}

}  // namespace

App* GetApplication() { return Kest::GetApplication(); }

Object* CreateCircle(double x, double y, double radius, const std::string& texture, bool dynamic) {
  if (!AreFinite("CreateCircle", {x, y, radius}) || !IsGameFile("CreateCircle", texture)) {
    return nullptr;
  }
  return MadeByScript<Object>(new Circle(float(x), float(y), float(radius), texture, dynamic));
}

Object* CreateLine(double x1, double y1, double x2, double y2, const std::string& texture) {
  if (!AreFinite("CreateLine", {x1, y1, x2, y2}) || !IsGameFile("CreateLine", texture)) {
    return nullptr;
  }
  return MadeByScript<Object>(new Line(float(x1), float(y1), float(x2), float(y2), texture, false));
}

Object* CreateBlock(double x, double y, double width, double height, const std::string& texture,
                    bool dynamic) {
  if (!AreFinite("CreateBlock", {x, y, width, height}) || !IsGameFile("CreateBlock", texture)) {
    return nullptr;
  }
  return MadeByScript<Object>(
      new Block(float(x), float(y), float(width), float(height), texture, dynamic));
}

Object* CreateArc(double x, double y, double radius, double quarter, const std::string& texture) {
  if (!AreFinite("CreateArc", {x, y, radius}) || !IsGameFile("CreateArc", texture)) return nullptr;
  return MadeWithLines(Arc::Create(float(x), float(y), float(radius), texture, ToInt(quarter)));
}

Object* CreateArc(double x, double y, double radiusX, double radiusY, double quarter,
                  const std::string& texture) {
  if (!AreFinite("CreateArc", {x, y, radiusX, radiusY}) || !IsGameFile("CreateArc", texture)) {
    return nullptr;
  }
  return MadeWithLines(Arc::CreateElliptic(float(x), float(y), float(radiusX), float(radiusY),
                                           texture, ToInt(quarter)));
}

Composite* CreateComposite(double x, double y, const std::string& texture) {
  if (!AreFinite("CreateComposite", {x, y}) || !IsGameFile("CreateComposite", texture)) {
    return nullptr;
  }
  return MadeByScript(new Composite(float(x), float(y), texture, true));
}

Sprite* CreateSprite(const std::string& file, double columns, double frameWidth,
                     double frameHeight, double frameCount, double frameDelay, double x, double y,
                     bool looping) {
  if (!AreFinite("CreateSprite", {x, y}) || !IsGameFile("CreateSprite", file)) return nullptr;
  return MadeByScript(new Sprite(file, ToInt(columns), ToInt(frameWidth), ToInt(frameHeight),
                         ToInt(frameCount), ToFloat(frameDelay), float(x), float(y), looping,
                         false));
}

Sprite* CloneSprite(const std::string& name) {
  ChargeCall();
  ResourceManager* resources = ResourceManager::GetInstance();
  return resources ? MadeByScript(resources->CloneSprite(name)) : nullptr;
}

Object* CreateBitmap(double x, double y, const std::string& file) {
  if (!AreFinite("CreateBitmap", {x, y}) || !IsGameFile("CreateBitmap", file)) return nullptr;
  return MadeByScript<Object>(new Bitmap(float(x), float(y), file));
}

Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake) {
  return MakeRope(stub, x1, y1, x2, y2, length, brake);
}

Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake, double bandDepth, double r, double g, double b, double a) {
  Rope* rope = MakeRope(stub, x1, y1, x2, y2, length, brake);
  if (rope) SetFirstColor(rope, bandDepth, r, g, b, a);
  return rope;
}

Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake, double r, double g, double b, double a) {
  Rope* rope = MakeRope(stub, x1, y1, x2, y2, length, brake);
  if (rope) SetSecondColor(rope, r, g, b, a);
  return rope;
}

Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake, double bandDepth, double r1, double g1, double b1, double a1,
                   double r2, double g2, double b2, double a2) {
  Rope* rope = MakeRope(stub, x1, y1, x2, y2, length, brake);
  if (!rope) return nullptr;
  SetFirstColor(rope, bandDepth, r1, g1, b1, a1);
  SetSecondColor(rope, r2, g2, b2, a2);
  return rope;
}

Object* CreateTriangle(double x1, double y1, double x2, double y2, double x3, double y3) {
  if (!AreFinite("CreateTriangle", {x1, y1, x2, y2, x3, y3})) return nullptr;
  return MadeByScript<Object>(new TriangleComposite(ol::Vec2(float(x1), float(y1)),
                                            ol::Vec2(float(x2), float(y2)),
                                            ol::Vec2(float(x3), float(y3))));
}

Object* CloneObject(const std::string& name, double x, double y) {
  ChargeCall();
  ResourceManager* resources = ResourceManager::GetInstance();
  if (!resources || !AreFinite("CloneObject", {x, y})) return nullptr;
  return MadeByScript(resources->CloneObject(name, float(x), float(y)));
}

Object* CreateObject(const std::string& file, double x, double y) {
  return ReadSceneObject(file, x, y, AttributeMap());
}

Object* CreateObject(const std::string& file, double x, double y, bool hflip, bool vflip) {
  return ReadSceneObject(file, x, y, {{"hflip", hflip ? "1" : "0"}, {"vflip", vflip ? "1" : "0"}});
}

void RegisterObject(Object* object, const std::string& name) {
  ResourceManager* resources = ResourceManager::GetInstance();
  ScriptOwnership* ownership = ScriptManager::GetInstance()->GetOwnership();
  if (!resources || !ownership->MayHandOver(object, "RegisterObject")) return;
  resources->RegisterObject(name, object);
  if (resources->IsPrototype(object)) ownership->HandedOver(object);
}

void AnchorCenter(Object* object) {
  if (Tessora::Object* physics = PhysicsOf(object, "AnchorCenter")) {
    AnchorTo(*object, *physics, physics->GetShape()->GetPosition());
  }
}

void AnchorAt(Object* object, double x, double y) {
  Tessora::Object* physics = PhysicsOf(object, "AnchorAt");
  if (physics && AreFinite("AnchorAt", {x, y})) {
    AnchorTo(*object, *physics, Tessora::Vec2(float(x), float(y)));
  }
}

void AddMotor(Object* object, double speed) {
  Tessora::Object* physics = PhysicsOf(object, "AddMotor");
  if (!physics || !AreFinite("AddMotor", {speed})) return;
  Tessora::SetMotorSpeed(GetPhysicsWorld().CreateMotor(physics), float(speed));
}

void RotateObject(Object* object, double angle) {
  Tessora::Object* physics = PhysicsOf(object, "RotateObject");
  if (!physics || !AreFinite("RotateObject", {angle})) return;
  physics->SetAngle(float(angle));
}

Object* DefaultSpaceFind(const std::string& name) {
  ChargeCall();
  const App* app = Kest::GetApplication();
  return app ? app->GetSpace()->FindObject(name) : nullptr;
}

}  // namespace ScriptApi
}  // namespace Kest
