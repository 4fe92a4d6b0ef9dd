#include "script/methods.h"

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/level/level.h"
#include "game/level/levelcondition.h"
#include "game/objects/composite.h"
#include "game/objects/space.h"
#include "game/objects/sprite.h"
#include "script/arguments.h"
#include "script/levelcaps.h"
#include "script/ownership.h"
#include "script/scriptmanager.h"
#include "script/workcharges.h"

namespace Kest {
namespace ScriptApi {

using namespace ScriptArguments;

namespace {

ScriptOwnership& Ownership() { return *ScriptManager::GetInstance()->GetOwnership(); }

// A part the level has room for, of finite numbers. The call is charged
// even when refused: a loop of refused calls is work too.
bool MayAddPart(const char* function, std::initializer_list<double> numbers) {
  ChargeCall();
  return AreFinite(function, numbers) && AdmitsPart();
}

}  // namespace

void Add(Level* level, LevelCondition* condition) {
  if (!Ownership().MayHandOver(condition, "Add")) return;
  if (level->Add(condition)) Ownership().HandedOver(condition);
}

void MoveTo(Bike* bike, double x, double y) {
  if (AreFinite("MoveTo", {x, y})) bike->MoveTo(float(x), float(y));
}

void SetBgImage(App* app, const std::string& file) {
  ChargeCall();
  if (IsGameFile("SetBgImage", file)) app->SetBgImage(file);
}

Texture* GetTexture(Object* object) { return &object->GetTexture(); }

void SetFillColor(Object* object, double r, double g, double b, double a) {
  object->SetFillColor(ToChannel(r), ToChannel(g), ToChannel(b), ToChannel(a));
}

void SetMass(Object* object, double mass) {
  if (AreFinite("SetMass", {mass})) object->SetMass(float(mass));
}

void SetCollisionMask(Object* object, double mask) { object->SetCollisionMask(ToMask(mask)); }

void RemoveUserJoint(Object* object, double index) { object->RemoveUserJoint(ToInt(index)); }

void Insert(Space* space, Object* object) { Insert(space, object, 0.0, std::string()); }

void Insert(Space* space, Object* object, const std::string& name) {
  Insert(space, object, 0.0, name);
}

void Insert(Space* space, Object* object, double depth, const std::string& name) {
  if (!Ownership().MayHandOver(object, "Insert")) return;
  if (space->Insert(object, ToInt(depth), name)) Ownership().HandedOver(object);
}

void AddLine(Composite* composite, double x1, double y1, double x2, double y2) {
  if (MayAddPart("AddLine", {x1, y1, x2, y2})) {
    composite->AddLine(float(x1), float(y1), float(x2), float(y2));
  }
}

void AddCircle(Composite* composite, double x, double y, double radius) {
  if (MayAddPart("AddCircle", {x, y, radius})) {
    composite->AddCircle(float(x), float(y), float(radius));
  }
}

void AddBlock(Composite* composite, double x, double y, double width, double height) {
  if (MayAddPart("AddBlock", {x, y, width, height})) {
    composite->AddBlock(float(x), float(y), float(width), float(height));
  }
}

void SetPosition(Sprite* sprite, double x, double y) {
  if (AreFinite("SetPosition", {x, y})) sprite->SetPosition(float(x), float(y));
}

void SetSpeed(Sprite* sprite, double x, double y) {
  if (AreFinite("SetSpeed", {x, y})) sprite->SetSpeed(float(x), float(y));
}

void SetRandomPositioning(Sprite* sprite, bool on, double width, double height) {
  sprite->SetRandomPositioning(on, ToInt(width), ToInt(height));
}

void SetLoopDelay(Sprite* sprite, double milliseconds) {
  sprite->SetLoopDelay(ToFloat(milliseconds));
}

void SetSail(Sprite* sprite, double minX, double minY, double maxX, double maxY) {
  sprite->SetSail(ToFloat(minX), ToFloat(minY), ToFloat(maxX), ToFloat(maxY));
}

}  // namespace ScriptApi
}  // namespace Kest
