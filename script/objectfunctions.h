// The script functions that make level objects, clone and register
// prototypes, anchor and motorise objects, turn and find them. None inserts
// what it makes: the script hands it to the space with Space:Insert.
// Numbers arrive as the script gave them and are checked here: a position,
// size, radius, speed or angle that is not finite is refused with a log
// line (the makers return null, which the script sees as nil).
#pragma once

#include <string>

namespace Kest {

class App;
class Composite;
class Object;
class Sprite;

namespace ScriptApi {

App* GetApplication();

Object* CreateCircle(double x, double y, double radius, const std::string& texture, bool dynamic);
// Always static.
Object* CreateLine(double x1, double y1, double x2, double y2, const std::string& texture);
// Between the corners (x, y) and (x + width, y + height).
Object* CreateBlock(double x, double y, double width, double height, const std::string& texture,
                   bool dynamic);
// A quarter (1 to 4) of a circle or an ellipse; null for another quarter.
Object* CreateArc(double x, double y, double radius, double quarter, const std::string& texture);
Object* CreateArc(double x, double y, double radiusX, double radiusY, double quarter,
                  const std::string& texture);
// Dynamic, without parts until the script adds them.
Composite* CreateComposite(double x, double y, const std::string& texture);
Sprite* CreateSprite(const std::string& file, double columns, double frameWidth,
                     double frameHeight, double frameCount, double frameDelay, double x, double y,
                     bool looping);
// A copy of the sprite prototype of that name; null when there is none.
Sprite* CloneSprite(const std::string& name);
Object* CreateBitmap(double x, double y, const std::string& file);

// A rope hanging between two static stubs of the given length, and its
// colours: the first (band depth and four channels), the second (four
// channels), or both.
Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake);
Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake, double bandDepth, double r, double g, double b, double a);
Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake, double r, double g, double b, double a);
Object* CreateRope(double stub, double x1, double y1, double x2, double y2, double length,
                   double brake, double bandDepth, double r1, double g1, double b1, double a1,
                   double r2, double g2, double b2, double a2);

Object* CreateTriangle(double x1, double y1, double x2, double y2, double x3, double y3);

// A copy of the prototype of that name placed at (x, y); null when there
// is none.
Object* CloneObject(const std::string& name, double x, double y);
// The first object the scene file builds, placed at (x, y) and flipped as
// asked; null when it builds none.
Object* CreateObject(const std::string& file, double x, double y);
Object* CreateObject(const std::string& file, double x, double y, bool hflip, bool vflip);
// The resource manager keeps the object as the prototype of that name.
void RegisterObject(Object* object, const std::string& name);

// A hinge to the fixed world at the object's centre or at (x, y); the
// object's list of user joints keeps it.
void AnchorCenter(Object* object);
void AnchorAt(Object* object, double x, double y);
// A motor turning the object against the fixed world.
void AddMotor(Object* object, double speed);
// Turns the object's physics object to the angle, in degrees.
void RotateObject(Object* object, double angle);
// The object of the current space inserted under the name, or null.
Object* DefaultSpaceFind(const std::string& name);

}  // namespace ScriptApi
}  // namespace Kest
