#include "game/objects/bitmapobject.h"

#include "game/app/app.h"
#include "game/objects/bodyobject.h"
#include "game/utility/utility.h"
#include "tessora/object.h"

namespace Kest {

Bitmap::Bitmap(float x, float y, const std::string& textureName) : x_(x), y_(y) {
  if (!textureName.empty()) texture_.Load(textureName);
}

Bitmap::Bitmap(float x, float y, const std::string& textureName, Object* attachedTo)
    : Bitmap(x, y, textureName) {
  attachedTo_ = attachedTo;
}

void Bitmap::SetPosition(float x, float y) {
  x_ = x;
  y_ = y;
}

void Bitmap::Draw() {
  if (!texture_.IsValid()) return;
  const Tessora::Object* carrier = attachedTo_ ? attachedTo_->GetBody() : nullptr;
  if (carrier) {
    ol::Vec2 offset(x_, y_);
    if (dBodyID body = carrier->GetBody()) offset = RotatePoint(offset, dBodyGetRotation(body));
    const ol::Vec2 position = ToDrawing(carrier->GetShape()->GetPosition()) + offset;
    texture_.BlitRotated(position.x, position.y, GetDrawAngle(*carrier));
    return;
  }
  ol::Vec2 position(x_, y_);
  if (screenRelative_) position += GetApplication()->GetCamera();
  texture_.Blit(position.x, position.y);
}

}  // namespace Kest
