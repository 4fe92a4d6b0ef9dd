#include "script/specialfunctions.h"

#include "game/objects/boost.h"
#include "game/objects/cloud.h"
#include "game/objects/compositeblock.h"
#include "game/objects/pickableitem.h"
#include "game/objects/shadowbitmap.h"
#include "game/objects/sprite.h"
#include "game/objects/water.h"
#include "game/utility/utility.h"
#include "script/arguments.h"
#include "script/ownership.h"

namespace Kest {
namespace ScriptApi {

using namespace ScriptArguments;

namespace {

// A zone or a block needs an area; otherwise a log line names the function.
bool HasArea(const char* function, double width, double height) {
  if (width > 0.0 && height > 0.0) return true;
  Log(std::string(function) + ": a size of " + ToString(float(width)) + " x " +
      ToString(float(height)) + " is refused");
  return false;
}

}  // namespace

Object* CreateBoost(const std::string& file, double columns, double frameWidth,
                    double frameHeight, double frameCount, double frameDelay, double x, double y,
                    bool looping, bool additive, double kind) {
  const int w = ToInt(frameWidth);
  const int h = ToInt(frameHeight);
  if (!AreFinite("CreateBoost", {x, y}) || !HasArea("CreateBoost", w, h) ||
      !IsGameFile("CreateBoost", file)) {
    return nullptr;
  }
  return MadeByScript<Object>(new Boost(file, ToInt(columns), w, h, ToInt(frameCount),
                                        ToFloat(frameDelay), float(x), float(y), looping,
                                        additive, ToInt(kind)));
}

Object* CreateBoost(const std::string& file, double x, double y, double width, double height,
                    double kind) {
  return CreateBoost(file, 1.0, width, height, 1.0, 0.0, x, y, true, false, kind);
}

Object* CreateWater(double x, double y, double width, double height) {
  if (!AreFinite("CreateWater", {x, y, width, height}) || !HasArea("CreateWater", width, height)) {
    return nullptr;
  }
  return MadeByScript<Object>(new Water(float(x), float(y), float(width), float(height)));
}

PickableItem* CreatePickableItem(const std::string& name, double x, double y, double width,
                                 double height) {
  if (!AreFinite("CreatePickableItem", {x, y, width, height}) ||
      !HasArea("CreatePickableItem", width, height)) {
    return nullptr;
  }
  return MadeByScript(new PickableItem(name, float(x), float(y), float(width), float(height)));
}

Object* CreateCloud(const std::string& file, double spare, double speedX, double speedY,
                    double startX, double startY) {
  if (!AreFinite("CreateCloud", {speedX, speedY, startX, startY}) ||
      !IsGameFile("CreateCloud", file)) {
    return nullptr;
  }
  return MadeByScript<Object>(new Cloud(file, ToFloat(spare), float(speedX), float(speedY),
                                        float(startX), float(startY)));
}

Object* CreateCompositeBlock(double x, double y, double width, double height, bool red,
                             bool green, bool blue, double alpha, bool hideFar, double radius) {
  if (!AreFinite("CreateCompositeBlock", {x, y, width, height}) ||
      !HasArea("CreateCompositeBlock", width, height)) {
    return nullptr;
  }
  return MadeByScript<Object>(new CompositeBlock(float(x), float(y), float(width), float(height),
                                                 red, green, blue, ToChannel(alpha), hideFar,
                                                 ToInt(radius)));
}

Object* CreateShadowBitmap(double x, double y, const std::string& file) {
  if (!AreFinite("CreateShadowBitmap", {x, y}) || !IsGameFile("CreateShadowBitmap", file)) {
    return nullptr;
  }
  return MadeByScript<Object>(new ShadowBitmap(float(x), float(y), file));
}

// The star sheet holds 8 frames of 32 x 32, placed so that a frame is
// centred on the 20 x 20 item. The star is the item's, never the script's.
PickableItem* CreateLevelStar(const std::string& name, double x, double y) {
  PickableItem* item = CreatePickableItem(name, x, y, 20.0, 20.0);
  if (item) {
    item->SetImage(new Sprite("res\\staritem.png", 8, 32, 32, 8, 100.0f, float(x) - 6.0f,
                              float(y) - 6.0f, true, false));
  }
  return item;
}

void SetImage(PickableItem* item, Object* image) {
  ScriptOwnership* ownership = CurrentOwnership();
  if (!ownership || !ownership->MayHandOver(image, "SetImage")) return;
  if (item->SetImage(image)) ownership->HandedOver(image);
}

}  // namespace ScriptApi
}  // namespace Kest
