// What a track draws where, along the recorded ride of every track: nothing
// covers the dials and the clock, and no scenery cuts through the rider.
#include <gtest/gtest.h>

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

// Along each track's recorded ride: no object drawn after the dials and the
// clock covers them, and the track's scenery never passes in front of the
// rider's head while staying behind the bike (drawn behind the head, or in
// front of the whole bike where the track wants it seen over the rider).
TEST(ShippedTracks, DrawNothingOverTheHudOrBetweenTheRidersHeadAndBody) {
  RideStage();
  for (const Kest::TrackRecord& track : ShippedTracks()) {
    const RideKeys keys = LoadRideKeys(RideFileOf(track.fileName));
    ASSERT_EQ(keys.error, "") << track.fileName;
    int faults = 0;
    RideWatch watch;
    watch.framesApart = 40;
    StartObjects atStart;
    watch.frame = [&](int step) {
      if (atStart.empty()) return;  // before the first step
      const int covered = CoveredHudPixels(atStart);
      if (covered && ++faults <= 3)
        ADD_FAILURE() << track.displayName << ": " << covered << " pixels of the HUD covered at step " << step
                      << ", the bike at x " << Kest::Bike::GetInstance()->GetPosition().x;
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
