// A hanging chain of short hinged segments between two anchors, shown as
// filled bands between the chain and fixed levels. It inserts its own parts
// into the space.
#pragma once

#include <vector>

#include "game/objects/object.h"
#include "render/rgba.h"

namespace Kest {

class Line;

class Rope : public Object, private ObjectObserver {
 public:
  static constexpr float kSegmentLength = 20.0f;
  // Longer ropes are cut to this many segments.
  static constexpr int kMaxSegments = 1000;
  // Downward speed the inner segments start with, so the chain hangs.
  static constexpr float kSagSpeed = 2.0f;

  // One 20-unit segment per started 20 units of length, hinged to the next
  // with the given brake; the last one ends at (x2, y2). Ropes longer than
  // the distance sag once the world steps.
  Rope(float x1, float y1, float x2, float y2, float length, float brake);
  // Until inserted the rope owns its segments and anchors.
  ~Rope() override;
  Rope(const Rope&) = delete;
  Rope& operator=(const Rope&) = delete;

  // Static line stubs the ends hang from; the rope owns them until it is
  // inserted, and takes no new ones after that.
  void AttachStart(Line* anchor);
  void AttachEnd(Line* anchor);
  // The lower band (and the anchor boxes), bandDepth below the start level.
  void SetFirstColor(float bandDepth, int r, int g, int b, int a);
  // The band between the chain and the start level.
  void SetSecondColor(int r, int g, int b, int a);

  // Flags the segments and anchors too.
  void SetRemoved(bool removed) override;
  // Colours the segments and anchors; the rope's own colour stays.
  void SetColor(const ol::Rgba& color) override;
  // Inserts the segments, hinges the anchors and inserts them, then the
  // rope itself at depth -1000. A rope is inserted once.
  bool InsertInto(Space& space, float depth, const std::string& name) override;
  bool IsInView(const ol::Vec2& viewMin, const ol::Vec2& viewMax) const override;
  // Nothing unless a colour was set.
  void Draw() override;

  const std::vector<Line*>& GetSegments() const { return segments_; }
  bool IsInserted() const { return inserted_; }
  ol::Vec2 GetViewMin() const { return viewMin_; }
  ol::Vec2 GetViewMax() const { return viewMax_; }

 private:
  // Parts that the space deletes on their own leave the rope's lists.
  void OnCollision(int kind, Object* object) override;
  bool Attach(Line*& slot, Line* anchor);
  void StartSagging();
  std::vector<Line*> Parts() const;
  void DrawBands(float startLevel) const;
  void DrawStartBox() const;
  void DrawEndBox(float startLevel) const;

  std::vector<Line*> segments_;
  bool inserted_ = false;
  Line* start_ = nullptr;
  Line* end_ = nullptr;
  bool firstColorSet_ = false;
  bool secondColorSet_ = false;
  ol::Rgba firstColor_{0.0f, 0.0f, 0.0f, 1.0f};
  ol::Rgba secondColor_{0.0f, 0.0f, 0.0f, 1.0f};
  float bandDepth_ = 0.0f;
  ol::Vec2 viewMin_;
  ol::Vec2 viewMax_;
};

}  // namespace Kest
