#include "game/objects/rope.h"

#include <algorithm>
#include <cmath>

#include "game/objects/bodyobject.h"
#include "game/objects/line.h"
#include "game/objects/space.h"
#include "game/utility/utility.h"
#include "render/polygon.h"
#include "render/rect.h"
#include "tessora/world.h"

namespace Kest {

namespace {

// A rope whose ends coincide hangs its chain along x.
ol::Vec2 SegmentStep(float x1, float y1, float x2, float y2) {
  const ol::Vec2 d(x2 - x1, y2 - y1);
  const float length = d.Length();
  const ol::Vec2 direction = length > 0.0f ? d / length : ol::Vec2(1.0f, 0.0f);
  return direction * Rope::kSegmentLength;
}

int SegmentCount(float length) {
  int count = 1;
  for (float t = Rope::kSegmentLength; t < length && count < Rope::kMaxSegments;
       t += Rope::kSegmentLength) {
    ++count;
  }
  return count;
}

Line* NewSegment(const ol::Vec2& from, const ol::Vec2& to) {
  return new Line(from.x, from.y, to.x, to.y, std::string(), true);
}

dJointID Hinge(Object& first, Object& second, const ol::Vec2& anchor, float brake, float erp) {
  return GetPhysicsWorld().CreateHinge(first.GetBody(), second.GetBody(),
                                Tessora::Vec2(anchor.x, anchor.y), brake, erp);
}

void DrawBand(const ol::Vec2& from, const ol::Vec2& to, float level, const ol::Rgba& color) {
  ol::Polygon({from, to, ol::Vec2(to.x, level), ol::Vec2(from.x, level)}).Draw(color);
}

}  // namespace

Rope::Rope(float x1, float y1, float x2, float y2, float length, float brake)
    : viewMin_(x1, y1), viewMax_(x2, y1 + 200.0f) {
  const ol::Vec2 step = SegmentStep(x1, y1, x2, y2);
  ol::Vec2 end(x1, y1);
  const int count = SegmentCount(length);
  if (count == kMaxSegments) Log("Rope: cut to " + ToString(count) + " segments");
  for (int i = 0; i < count; ++i) {
    Line* segment = NewSegment(end, end + step);
    if (!segments_.empty()) {
      dJointID hinge = Hinge(*segments_.back(), *segment, end, brake, 0.03f);
      dJointSetHingeParam(hinge, dParamLoStop, -0.4f);
      dJointSetHingeParam(hinge, dParamHiStop, 0.4f);
    }
    segments_.push_back(segment);
    segment->AddObserver(this);
    end = end + step;
  }
  const ol::Vec2 lastCentre = ol::Vec2(x2, y2) - step / 2.0f;
  segments_.back()->GetBody()->SetPosition(Tessora::Vec2(lastCentre.x, lastCentre.y));
  StartSagging();
}

// A chain longer than its span starts straight and squeezed between its
// ends, and buckles whichever way the solver happens to push it; its hinge
// stops then lock it, so a chain that buckled upwards would stand as an
// arch for good. The inner segments start falling, so it hangs.
void Rope::StartSagging() {
  for (size_t i = 1; i + 1 < segments_.size(); ++i)
    dBodySetLinearVel(segments_[i]->GetBody()->GetBody(), 0.0f, kSagSpeed, 0.0f);
}

Rope::~Rope() {
  const std::vector<Line*> parts = Parts();
  for (Line* part : parts) part->RemoveObserver(this);
  segments_.clear();
  start_ = end_ = nullptr;
  if (inserted_) return;
  for (Line* part : parts) delete part;
}

std::vector<Line*> Rope::Parts() const {
  std::vector<Line*> parts(segments_);
  if (start_) parts.push_back(start_);
  if (end_) parts.push_back(end_);
  return parts;
}

void Rope::OnCollision(int kind, Object* object) {
  if (kind != kDestroyed) return;
  segments_.erase(std::remove(segments_.begin(), segments_.end(), object), segments_.end());
  if (start_ == object) start_ = nullptr;
  if (end_ == object) end_ = nullptr;
}

// An anchor given before insertion replaces (and deletes) the earlier one;
// once inserted, the rope keeps its anchors.
bool Rope::Attach(Line*& slot, Line* anchor) {
  if (!anchor) return false;
  if (inserted_) {
    Log("Rope: anchors cannot change once the rope is inserted");
    delete anchor;
    return false;
  }
  delete slot;
  slot = anchor;
  slot->AddObserver(this);
  return true;
}

void Rope::AttachStart(Line* anchor) {
  if (Attach(start_, anchor)) viewMin_.x = anchor->GetBody()->GetShape()->GetBox().minX;
}

void Rope::AttachEnd(Line* anchor) {
  if (Attach(end_, anchor)) viewMax_.x = anchor->GetBody()->GetShape()->GetBox().maxX;
}

void Rope::SetFirstColor(float bandDepth, int r, int g, int b, int a) {
  bandDepth_ = bandDepth;
  firstColorSet_ = true;
  firstColor_ = ColorFromBytes(r, g, b, a);
  viewMax_.y = viewMin_.y + bandDepth;
}

void Rope::SetSecondColor(int r, int g, int b, int a) {
  secondColorSet_ = true;
  secondColor_ = ColorFromBytes(r, g, b, a);
}

void Rope::SetRemoved(bool removed) {
  Object::SetRemoved(removed);
  for (Line* part : Parts()) part->SetRemoved(removed);
}

void Rope::SetColor(const ol::Rgba& color) {
  for (Line* part : Parts()) part->SetColor(color);
}

bool Rope::InsertInto(Space& space, float, const std::string&) {
  if (inserted_) {
    Log("Rope: already inserted");
    return true;
  }
  for (Line* segment : segments_) space.Insert(segment);
  if (start_ && !segments_.empty()) {
    Hinge(*start_, *segments_.front(), start_->GetEnd(), 0.0f, 0.1f);
    space.Insert(start_);
  }
  if (end_ && !segments_.empty()) {
    Hinge(*end_, *segments_.back(), end_->GetStart(), 0.0f, 0.1f);
    space.Insert(end_);
  }
  inserted_ = true;
  space.InsertAt(this, -1000);
  return true;
}

// The view rectangle, whichever way the rope runs.
bool Rope::IsInView(const ol::Vec2& viewMin, const ol::Vec2& viewMax) const {
  const ol::Vec2 min(std::min(viewMin_.x, viewMax_.x), std::min(viewMin_.y, viewMax_.y));
  const ol::Vec2 max(std::max(viewMin_.x, viewMax_.x), std::max(viewMin_.y, viewMax_.y));
  return BoxTouchesView(min, max, viewMin, viewMax);
}

// The anchor boxes frame the bands: the start box goes under them, the end
// box over them.
void Rope::Draw() {
  if (!(firstColorSet_ || secondColorSet_) || segments_.empty()) return;
  const float startLevel = segments_.front()->GetStart().y;
  if (firstColorSet_) DrawStartBox();
  DrawBands(startLevel);
  if (firstColorSet_) DrawEndBox(startLevel);
}

// Between the chain and its start level (second colour), and from the
// chain down to bandDepth below that level (first colour).
void Rope::DrawBands(float startLevel) const {
  ol::Vec2 previous = segments_.front()->GetStart();
  for (const Line* segment : segments_) {
    const ol::Vec2 end = segment->GetEnd();
    if (secondColorSet_) DrawBand(previous, end, startLevel, secondColor_);
    if (firstColorSet_) DrawBand(previous, end, startLevel + bandDepth_, firstColor_);
    previous = end;
  }
}

// Fills the gap between the start anchor's far end and the chain.
void Rope::DrawStartBox() const {
  if (!start_) return;
  const ol::Vec2 from = start_->GetStart();
  const float width = segments_.front()->GetStart().x - from.x;
  ol::Rect(from.x, from.y, width, bandDepth_, 1.0f, 0.0f, ol::SHAPE_ACCURACY).Draw(firstColor_);
}

// Fills the gap between the chain's end and the end anchor's far end, down
// to the lower band's level.
void Rope::DrawEndBox(float startLevel) const {
  if (!end_) return;
  const ol::Vec2 last = segments_.back()->GetEnd();
  const float anchorLevel = start_ ? start_->GetStart().y : startLevel;
  ol::Rect(last.x, last.y, end_->GetEnd().x - last.x, anchorLevel + bandDepth_ - last.y, 1.0f,
           0.0f, ol::SHAPE_ACCURACY)
      .Draw(firstColor_);
}

}  // namespace Kest
