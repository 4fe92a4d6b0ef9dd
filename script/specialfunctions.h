// The script functions that make the special objects: zones that act on the
// bike (boost strips, water, pick-up items and stars) and decorations lit
// by the bike or drifting with the camera. Like every maker they insert
// nothing; a number that is not finite, or a zone or block without area,
// is refused with a log line and the script gets nil.
#pragma once

#include <string>

namespace Kest {

class Object;
class PickableItem;

namespace ScriptApi {

// A boost strip: the sprite's arguments, then the boost's kind (2 kicks
// leftward). The short form shows the whole image as its one frame.
Object* CreateBoost(const std::string& file, double columns, double frameWidth,
                    double frameHeight, double frameCount, double frameDelay, double x, double y,
                    bool looping, bool additive, double kind);
Object* CreateBoost(const std::string& file, double x, double y, double width, double height,
                    double kind);
Object* CreateWater(double x, double y, double width, double height);
// Collecting the item sets the variable of that name.
PickableItem* CreatePickableItem(const std::string& name, double x, double y, double width,
                                 double height);
// The second number has no effect.
Object* CreateCloud(const std::string& file, double spare, double speedX, double speedY,
                    double startX, double startY);
Object* CreateCompositeBlock(double x, double y, double width, double height, bool red,
                             bool green, bool blue, double alpha, bool hideFar, double radius);
Object* CreateShadowBitmap(double x, double y, const std::string& file);
// A 20 x 20 item at (x, y) under a turning star.
PickableItem* CreateLevelStar(const std::string& name, double x, double y);

// PickableItem:SetImage: the item takes the picture from the script.
void SetImage(PickableItem* item, Object* image);

}  // namespace ScriptApi
}  // namespace Kest
