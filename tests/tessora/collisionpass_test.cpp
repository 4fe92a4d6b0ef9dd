// The collision pass: who hears of contacts, what they carry, which become
// joints; and the box sweep that finds the pairs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tessora/boxpairs.h"
#include "tests/support/tracecapture.h"
#include "tests/tessora/testworld.h"

namespace {

using Tessora::BoundingBox;
using Tessora::Circle;
using Tessora::IndexPair;
using Tessora::Object;
using Tessora::Vec2;

// Each callback's object (named by its user data) and the contacts it saw.
std::vector<std::string> heard;

void Hear(Tessora::ContactBuffer* buffer) {
  heard.push_back(static_cast<const char*>(buffer->GetA()->surface.userData) +
                  std::to_string(buffer->GetCount()));
}

class CollisionPass : public TessoraTest::WorldTest {
 protected:
  CollisionPass() { heard.clear(); }

  std::unique_ptr<Object> Make(bool dynamic, Vec2 centre, const char* name) {
    auto* circle = new Circle(centre, 1);
    std::unique_ptr<Object> o = dynamic ? std::unique_ptr<Object>(MakeDynamic(circle))
                                        : std::make_unique<Tessora::Static<Circle>>(circle);
    o->surface.userData = const_cast<char*>(name);
    return o;
  }
};

// Two overlapping circles, one contact. A lies to the right: the sweep goes
// from the left, yet A is the earlier object of the list. An object listed
// twice never meets itself.
TEST_F(CollisionPass, MasksCallbacksAndKinds) {
  const struct {
    const char* name;
    bool dynamicA, dynamicB;
    std::uint32_t maskA, maskB;
    bool callbackA, callbackB;
    std::vector<std::string> heard;
    int joints;
  } cases[] = {
      {"solid", true, false, 1, 3, false, false, {}, 1},
      {"solid, both listening", true, true, 1, 1, true, true, {"a1", "b1"}, 1},
      {"sensor", true, false, 0, 1, true, false, {"a1"}, 0},
      {"sensor heard on the static side", true, false, 2, 1, false, true, {"b1"}, 0},
      {"disjoint masks", true, true, 1, 2, false, false, {}, 0},
      {"two statics", false, false, 1, 1, true, true, {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto a = Make(c.dynamicA, Vec2(1, 0), "a"), b = Make(c.dynamicB, Vec2(0, 0), "b");
    a->surface.collisionMask = c.maskA;
    b->surface.collisionMask = c.maskB;
    if (c.callbackA) a->surface.contactCallback = Hear;
    if (c.callbackB) b->surface.contactCallback = Hear;
    for (int pass = 0; pass < 2; ++pass) {  // each pass replaces the joints of the last
      heard.clear();
      world.CollideObjects({a.get(), nullptr, b.get()});
    }
    EXPECT_EQ(heard, c.heard);
    EXPECT_EQ(world.GetContactTotal(), c.joints);
    if (!a->GetBody()) continue;
    EXPECT_EQ(dBodyGetNumJoints(a->GetBody()), c.joints);
    // The contact's normal points toward A: A's body comes first.
    if (c.joints) {
      EXPECT_EQ(dJointGetBody(dBodyGetJoint(a->GetBody(), 0), 0), a->GetBody());
    }
  }
  auto ball = Make(true, Vec2(0, 0), "ball");
  world.CollideObjects({ball.get(), ball.get()});
  EXPECT_EQ(dBodyGetNumJoints(ball->GetBody()), 0);
}

// 300 circles on one spot overlap in 44,850 pairs. Listening sensors show
// how many pairs a pass collides; solid ones, which joints it makes: all
// of the first pairs in list order, none of the later ones. Each cap is
// logged once in a world.
TEST_F(CollisionPass, AHeapIsCutAtTheCapsInListOrder) {
  using World = Tessora::World;
  TestSupport::TraceCapture trace;
  std::vector<std::unique_ptr<Object>> heap;
  std::vector<Object*> list;
  for (int i = 0; i < 300; ++i) {
    heap.push_back(Make(true, Vec2(0, 0), "s"));
    heap.back()->surface.collisionMask = 0;
    heap.back()->surface.contactCallback = Hear;
    list.push_back(heap.back().get());
  }
  for (int pass = 0; pass < 2; ++pass) {
    heard.clear();
    world.CollideObjects(list);
    EXPECT_EQ(heard.size(), 2u * World::kMostPairsPerStep);  // both sides of each pair hear it
  }
  for (const auto& o : heap) o->surface.collisionMask = 1;
  for (int pass = 0; pass < 2; ++pass) world.CollideObjects(list);
  EXPECT_EQ(world.GetContactTotal(), World::kMostContactJointsPerStep);
  // The pairs of the first 17 circles with those after them fill 4,947
  // joints; the 18th circle's pairs fill the rest before reaching the last.
  EXPECT_EQ(dBodyGetNumJoints(heap.front()->GetBody()), 299);
  EXPECT_EQ(dBodyGetNumJoints(heap.back()->GetBody()), 17);
  EXPECT_EQ(trace.Count("overlapping pairs in one step"), 1);
  EXPECT_EQ(trace.Count("contacts in one step"), 1);
}

// Finite frictions multiply; an infinite one wins even against none; masks
// apart give none. (The recorded track rides go red as soon as the bounce mix changes.)
TEST(SurfaceMixing, Friction) {
  const float inf = dInfinity;
  const float cases[][4] = {{0.5f, 0.4f, 1, 0.2f}, {0, inf, 1, inf}, {inf, 0.4f, 0, 0}};  // A, B, masks meet, mixed
  for (const auto& c : cases) {
    Tessora::Static<Circle> a(new Circle(Vec2(0, 0), 1)), b(new Circle(Vec2(1, 0), 1));
    a.surface.friction = c[0];
    b.surface.friction = c[1];
    b.surface.frictionMask = c[2] != 0 ? ~0u : 0u;
    Tessora::ContactBuffer buffer;
    buffer.Reset(&a, &b);
    buffer.Add(Vec2(0, 0), Vec2(0, -1), 0.1f);
    buffer.MixSurfaces();
    EXPECT_FLOAT_EQ(buffer.GetContact(0).surface.mu, c[3]) << c[0] << ", " << c[1];
  }
}

// Coordinates on a coarse grid, so that boxes often share or touch edges;
// boxes that only touch do not overlap. Now and then a long box, which
// covers too many cells of the search's grid; some boxes stand still.
// Asked for fewer pairs, the search gives the first ones.
TEST(BoxPairs, SameAsTestingEveryPairInListOrder) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> cell(0, 20), size(0, 4), oneIn(0, 9);
  for (int round = 0; round < 50; ++round) {
    std::vector<BoundingBox> boxes;
    std::vector<bool> moving;
    for (int i = 0; i < 60; ++i) {
      const float x = cell(rng), y = cell(rng);
      boxes.push_back({x, y, x + size(rng) * (oneIn(rng) ? 1 : 5), y + size(rng)});
      moving.push_back(oneIn(rng) > 2);
    }
    std::vector<IndexPair> everyPair;
    for (int i = 0; i < 60; ++i) {
      for (int j = i + 1; j < 60; ++j) {
        const BoundingBox &a = boxes[i], &b = boxes[j];
        if ((moving[i] || moving[j]) && a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY) {
          everyPair.push_back({i, j});
        }
      }
    }
    EXPECT_EQ(Tessora::OverlappingBoxPairs(boxes, moving), everyPair);
    const std::size_t most = everyPair.size() / 3;
    EXPECT_EQ(Tessora::OverlappingBoxPairs(boxes, moving, most),
              std::vector<IndexPair>(everyPair.begin(), everyPair.begin() + most));
  }
}

TEST(BoxPairs, EmptyInsideOutAndNanBoxesMeetNothing) {
  const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
  const std::vector<BoundingBox> boxes = {{0, 0, 10, 10}, {inf, inf, -inf, -inf}, {nan, 0, 5, 5},
                                          {1, 1, 2, 2},    {-inf, -inf, inf, inf}, {3, 0, 2, 10}};
  EXPECT_EQ(Tessora::OverlappingBoxPairs(boxes), (std::vector<IndexPair>{{0, 3}, {0, 4}, {3, 4}}));
}

// Static objects never meet: a pile of them makes no pairs at all.
TEST(BoxPairs, PairsOfBoxesThatDoNotMoveAreLeftOut) {
  const std::vector<BoundingBox> pile(5, BoundingBox{0, 0, 10, 10});
  EXPECT_EQ(Tessora::OverlappingBoxPairs(pile, {false, true, false, false, true}),
            (std::vector<IndexPair>{{0, 1}, {0, 4}, {1, 2}, {1, 3}, {1, 4}, {2, 4}, {3, 4}}));
  EXPECT_TRUE(Tessora::OverlappingBoxPairs(pile, std::vector<bool>(5, false)).empty());
}

}  // namespace
