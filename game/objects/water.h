// Water: an invisible zone that makes the bike heavy and slow while its
// chassis is in it. The bike forgets the water before every physics step,
// so the effect lasts exactly as long as the touch.
#pragma once

#include <memory>

#include "game/objects/object.h"
#include "game/objects/reaction.h"

namespace Kest {

class WaterCallback : public ReactionCallback {
 public:
  WaterCallback();
  void React() override;
};

class Water : public Object {
 public:
  Water(float x, float y, float width, float height);

  Tessora::Object* GetBody() const override { return zone_.get(); }

 private:
  WaterCallback reaction_;
  std::unique_ptr<Tessora::Object> zone_;
};

}  // namespace Kest
