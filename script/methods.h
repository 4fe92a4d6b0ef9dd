// The methods of the script types that check or convert what the script
// passes before the game sees it. The glue calls them with the object the
// method was called on (never null: the glue raises "invalid 'self'"
// first), so each is named after its method.
#pragma once

#include <string>

namespace Kest {

class App;
class Bike;
class Composite;
class Level;
class LevelCondition;
class Object;
class Space;
class Sprite;
class Texture;

namespace ScriptApi {

// The level owns the condition from then on.
void Add(Level* level, LevelCondition* condition);

void MoveTo(Bike* bike, double x, double y);

void SetBgImage(App* app, const std::string& file);

Texture* GetTexture(Object* object);
void SetFillColor(Object* object, double r, double g, double b, double a);
void SetMass(Object* object, double mass);
void SetCollisionMask(Object* object, double mask);
void RemoveUserJoint(Object* object, double index);

// The space owns the object from then on; depth 0 and no name unless given.
void Insert(Space* space, Object* object);
void Insert(Space* space, Object* object, const std::string& name);
void Insert(Space* space, Object* object, double depth, const std::string& name);

void AddLine(Composite* composite, double x1, double y1, double x2, double y2);
void AddCircle(Composite* composite, double x, double y, double radius);
void AddBlock(Composite* composite, double x, double y, double width, double height);

void SetPosition(Sprite* sprite, double x, double y);
void SetSpeed(Sprite* sprite, double x, double y);
void SetRandomPositioning(Sprite* sprite, bool on, double width, double height);
void SetLoopDelay(Sprite* sprite, double milliseconds);
void SetSail(Sprite* sprite, double minX, double minY, double maxX, double maxY);

}  // namespace ScriptApi
}  // namespace Kest
