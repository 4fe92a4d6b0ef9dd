// A boost strip: an animation over an invisible zone that kicks the bike
// forward when its chassis touches the zone while the bike already drives
// the strip's way (kind 2 points left, any other kind right).
#pragma once

#include <memory>
#include <string>

#include "game/objects/reaction.h"
#include "game/objects/sprite.h"

namespace Kest {

class BoostCallback : public ReactionCallback {
 public:
  explicit BoostCallback(int kind);
  void React() override;

 private:
  int kind_;
};

class Boost : public Sprite {
 public:
  // The sprite's arguments, then the kind; the zone covers the first frame
  // at (x, y).
  Boost(const std::string& fileName, int columns, int frameWidth, int frameHeight,
        int frameCount, float frameDelay, float x, float y, bool looping, bool additive,
        int kind);

  Tessora::Object* GetBody() const override { return zone_.get(); }

 private:
  BoostCallback reaction_;
  std::unique_ptr<Tessora::Object> zone_;
};

}  // namespace Kest
