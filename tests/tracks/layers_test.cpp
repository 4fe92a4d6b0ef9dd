// What a track draws where, along the recorded ride of every track: nothing
// covers the dials and the clock, no scenery cuts through the rider, and the
// sky never shows through solid ground.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/app/app.h"
#include "game/bike/bike.h"
#include "game/objects/bitmapobject.h"
#include "game/objects/space.h"
#include "render/canvas.h"
#include "render/drawbatch.h"
#include "render/gl.h"
#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/object.h"
#include "tessora/shape.h"
#include "tests/tracks/trackride.h"

namespace TrackTest {
namespace {

// The dials and the clock stand at this depth; the space draws its objects
// from the lowest depth up, so all drawn after them lie over them.
constexpr float kHudDepth = -9999.0f;
// The rider's head is drawn at -100, the bike and the rest of the rider at 0.
constexpr float kHeadDepth = -100.0f;
constexpr float kBikeDepth = 0.0f;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
using Frame = std::vector<std::uint32_t>;

Frame ReadFrame() {
  Frame pixels(std::size_t(kWidth) * kHeight);
  ol::DrawBatch::Flush();
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

// The objects, from the lowest depth up, that are drawn when the filter
// lets them, over a plain fill of the given colour.
template <typename Filter>
Frame DrawOver(float r, float g, float b, const Filter& drawn) {
  ol::Canvas::Fill(r, g, b, 1.0f);
  for (Kest::Object* object : *Kest::GetApplication()->GetSpace())
    if (object->IsVisible() && drawn(object)) object->Draw();
  return ReadFrame();
}

// The level's objects as it starts (the track's, the bike's and the HUD's;
// not the bike's smoke, added later), each with its picture, so that a puff
// of smoke made where a picked-up star was is not taken for it.
using StartObjects = std::map<const Kest::Object*, std::string>;

StartObjects ObjectsNow() {
  StartObjects objects;
  for (const Kest::Object* object : *Kest::GetApplication()->GetSpace())
    objects.emplace(object, object->GetTexture().GetFileName());
  return objects;
}

bool IsFromTheStart(const StartObjects& atStart, const Kest::Object* object) {
  const auto found = atStart.find(object);
  return found != atStart.end() && found->second == object->GetTexture().GetFileName();
}

// The pixels where the HUD is opaque (the same over two fills) but the
// level as it started shows something else over it.
int CoveredHudPixels(const StartObjects& atStart) {
  const auto hud = [](const Kest::Object* object) { return object->GetDepth() == kHudDepth; };
  const Frame hudOverRed = DrawOver(1, 0, 0, hud);
  const Frame hudOverBlue = DrawOver(0, 0, 1, hud);
  const Frame levelOverRed =
      DrawOver(1, 0, 0, [&](const Kest::Object* object) { return IsFromTheStart(atStart, object); });
  int covered = 0;
  for (std::size_t i = 0; i < hudOverRed.size(); ++i)
    covered += hudOverRed[i] == hudOverBlue[i] && levelOverRed[i] != hudOverRed[i];
  return covered;
}

// A picture or a sprite (no body: it takes no part in collisions) drawn
// over the rider's head but under the bike and the rest of the rider (the
// bike's own smoke stands at the head's depth).
bool CutsThroughTheRider(const Kest::Object& object) {
  return object.GetDepth() > kHeadDepth && object.GetDepth() < kBikeDepth && !object.GetBody();
}

// Whether the object is drawn anywhere in the box: a picture over its own
// rectangle, anything else where the game would draw it in such a view.
bool DrawnIn(const Kest::Object& object, const ol::Vec2& min, const ol::Vec2& max) {
  const auto* picture = dynamic_cast<const Kest::Bitmap*>(&object);
  if (!picture || picture->IsScreenRelative()) return object.IsInView(min, max);
  const ol::Vec2 corner(picture->GetX(), picture->GetY());
  const ol::Vec2 size(float(object.GetTexture().GetWidth()), float(object.GetTexture().GetHeight()));
  return Kest::BoxTouchesView(corner, corner + size, min, max);
}

// Nothing in the art is this pure magenta (the fonts use it, but only
// between their glyphs); a pixel the level leaves at it shows the sky.
constexpr std::uint32_t kMarker = 0x00ff00ff;  // as read back: R, G, B, A from the lowest byte
// Ground is what is solid at least twice this thick: a plank, a plate, a
// button or a gate lying on it or standing in it counts for nothing. A
// point is deep in it when the points this far round it lie in it: deeper
// than the grass at the top of the turf's pictures.
constexpr float kDeep = 18.0f;
constexpr int kSampleEvery = 4;
constexpr float kPi = 3.14159265f;

// The parts of a static colliding shape thick enough to be ground.
void AddGround(const Tessora::Shape& shape, std::vector<const Tessora::Shape*>& ground) {
  if (shape.GetType() == Tessora::ShapeType::Composite) {
    const auto& composite = static_cast<const Tessora::Composite&>(shape);
    for (int i = 0; i < composite.GetPartCount(); ++i) AddGround(composite.GetPart(i), ground);
  } else if (shape.GetType() == Tessora::ShapeType::Circle) {
    if (static_cast<const Tessora::Circle&>(shape).GetRadius() >= kDeep) ground.push_back(&shape);
  } else if (shape.GetType() == Tessora::ShapeType::Quad) {
    const auto& block = static_cast<const Tessora::Block&>(shape);
    if (block.GetHalfExtent(0) >= kDeep && block.GetHalfExtent(1) >= kDeep) ground.push_back(&shape);
  }
}

// Whether a part of the ground (a circle or a block) holds the point.
bool Contains(const Tessora::Shape& shape, const Tessora::Vec2& point) {
  const Tessora::Vec2 off = point - shape.GetPosition();
  if (shape.GetType() == Tessora::ShapeType::Circle)
    return Tessora::Dot(off, off) <= std::pow(static_cast<const Tessora::Circle&>(shape).GetRadius(), 2.0f);
  const auto& block = static_cast<const Tessora::Block&>(shape);
  for (int axis = 0; axis < 2; ++axis) {
    const Tessora::Vec2 half = block.GetAxis(axis);
    if (std::abs(Tessora::Dot(off, half)) > Tessora::Dot(half, half)) return false;
  }
  return true;
}

// The ground now above, in and below the view's columns: static and
// colliding (the bike, crates and swinging parts move; pickups, boosts and
// water collide with nothing).
std::vector<const Tessora::Shape*> GroundAcross(float minX, float maxX) {
  std::vector<const Tessora::Shape*> ground;
  for (const Kest::Object* object : *Kest::GetApplication()->GetSpace()) {
    const Tessora::Object* body = object->GetBody();
    if (!body || body->IsDynamic() || body->surface.collisionMask == 0) continue;
    const Tessora::BoundingBox& box = body->GetShape()->GetBox();
    if (box.maxX >= minX - kDeep && box.minX <= maxX + kDeep) AddGround(*body->GetShape(), ground);
  }
  return ground;
}

// The sampled screen points, as world points, where the frame just drawn
// shows the sky (what the game drew, over the marker) though the world
// there is deep in the ground, or below the lowest ground in its column:
// a column of earth that stops short shows the sky under it.
std::vector<ol::Vec2> SkyInTheGround() {
  ol::Canvas::Fill(1, 0, 1, 1);
  for (Kest::Object* object : Kest::GetApplication()->GetDrawList()) object->Draw();
  const Frame frame = ReadFrame();
  const ol::Vec2 camera = Kest::GetApplication()->GetCamera();
  const std::vector<const Tessora::Shape*> ground = GroundAcross(camera.x, camera.x + kWidth);
  const auto solid = [&](const ol::Vec2& at) {
    for (const Tessora::Shape* shape : ground)
      if (Contains(*shape, Tessora::Vec2(at.x, at.y))) return true;
    return false;
  };
  const auto deep = [&](const ol::Vec2& at) {
    for (int i = 0; i < 8; ++i)
      if (!solid(at + ol::Vec2(std::cos(i * 0.25f * kPi), std::sin(i * 0.25f * kPi)) * kDeep)) return false;
    return solid(at);
  };
  std::vector<ol::Vec2> faults;
  for (int x = 0; x < kWidth; x += kSampleEvery) {
    float bottom = -INFINITY;  // the lowest ground in the column; none in an open one
    for (const Tessora::Shape* shape : ground)
      if (shape->GetBox().minX <= camera.x + x && shape->GetBox().maxX >= camera.x + x)
        bottom = std::max(bottom, shape->GetBox().maxY);
    for (int row = 0; row < kHeight; row += kSampleEvery) {  // rows are read from the bottom up
      if ((frame[std::size_t(row) * kWidth + x] & 0x00ffffff) != kMarker) continue;
      const ol::Vec2 at = camera + ol::Vec2(x + 0.5f, kHeight - row - 0.5f);
      if ((bottom > -INFINITY && at.y > bottom) || deep(at)) faults.push_back(at);
    }
  }
  return faults;
}

// One failure for a frame with sky in the ground: where it shows.
void ReportSky(const std::string& track, int step, const std::vector<ol::Vec2>& sky) {
  ol::Vec2 min = sky[0], max = sky[0];
  for (const ol::Vec2& at : sky) {
    min = ol::Vec2(std::min(min.x, at.x), std::min(min.y, at.y));
    max = ol::Vec2(std::max(max.x, at.x), std::max(max.y, at.y));
  }
  const ol::Vec2 screen = sky[0] - Kest::GetApplication()->GetCamera();
  ADD_FAILURE() << track << ": the sky shows through the ground at step " << step << ", " << sky.size()
                << " sampled pixels from world (" << min.x << ", " << min.y << ") to (" << max.x << ", " << max.y
                << "), one at screen (" << screen.x << ", " << screen.y << ")";
}

// Along each track's recorded ride: no object drawn after the dials and the
// clock covers them, and the track's scenery never passes in front of the
// rider's head while staying behind the bike (drawn behind the head, or in
// front of the whole bike where the track wants it seen over the rider);
// and every 40th frame, wherever the player would see the sky the world is
// open air over the ground's lowest reach, or solid only near its surface.
TEST(ShippedTracks, DrawNothingOverTheHudOrTheRiderAndNoSkyThroughTheGround) {
  RideStage();
  for (const Kest::TrackRecord& track : ShippedTracks()) {
    const RideKeys keys = LoadRideKeys(RideFileOf(track.fileName));
    ASSERT_EQ(keys.error, "") << track.fileName;
    int faults = 0, skyFaults = 0;
    RideWatch watch;
    watch.framesApart = 40;
    StartObjects atStart;
    watch.frame = [&](int step) {
      if (atStart.empty()) return;  // before the first step
      const int covered = CoveredHudPixels(atStart);
      if (covered && ++faults <= 3)
        ADD_FAILURE() << track.displayName << ": " << covered << " pixels of the HUD covered at step " << step
                      << ", the bike at x " << Kest::Bike::GetInstance()->GetPosition().x;
      const std::vector<ol::Vec2> sky = SkyInTheGround();
      if (!sky.empty() && ++skyFaults <= 3) ReportSky(track.displayName, step, sky);
    };
    std::set<const Kest::Object*> cutting;
    watch.step = [&](int step, const Tessora::Vec2&) {
      if (step == 1) atStart = ObjectsNow();
      const Tessora::BoundingBox& head =
          Kest::Bike::GetInstance()->GetRider().GetPart(Kest::Rider::kHead)->GetBody()->GetShape()->GetBox();
      const ol::Vec2 min(head.minX, head.minY), max(head.maxX, head.maxY);
      for (Kest::Object* object : *Kest::GetApplication()->GetSpace()) {
        if (!CutsThroughTheRider(*object) || !DrawnIn(*object, min, max) || !cutting.insert(object).second) continue;
        ADD_FAILURE() << track.displayName << ": " << object->GetTexture().GetFileName() << " at depth "
                      << object->GetDepth() << " drawn over the rider's head but under the bike at step " << step;
      }
      return false;
    };
    RideTrack(track.fileName, keys, watch);
  }
}

}  // namespace
}  // namespace TrackTest
