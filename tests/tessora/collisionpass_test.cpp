// The collision pass over a handful of objects.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "tessora/dynamic.h"
#include "tessora/pairs.h"
#include "tessora/static.h"
#include "tessora/world.h"

namespace {

using Tessora::Vec2;

struct Sighting {
  const Tessora::Object* self;
  const Tessora::Object* other;
  int count;
  bool operator==(const Sighting& s) const { return self == s.self && other == s.other && count == s.count; }
};
std::vector<Sighting> sightings;

void Sight(Tessora::ContactBuffer* buffer) {
  sightings.push_back({buffer->GetA(), buffer->GetB(), buffer->GetCount()});
}

class CollisionPass : public ::testing::Test {
 protected:
  CollisionPass() { sightings.clear(); }

  template <class T>
  std::unique_ptr<Tessora::Object> MakeDynamic(T* shape) {
    return std::make_unique<Tessora::Dynamic<T>>(shape, world.CreateBody());
  }

  Tessora::World world;
};

TEST_F(CollisionPass, TwoStaticsAreNeverTested) {
  Tessora::Static<Tessora::Block> a(new Tessora::Block(Vec2(0, 0), 2, 2));
  Tessora::Static<Tessora::Block> b(new Tessora::Block(Vec2(0.5f, 0), 2, 2));
  a.surface.contactCallback = b.surface.contactCallback = Sight;
  world.CollideObjects({&a, &b});
  EXPECT_TRUE(sightings.empty());
  EXPECT_EQ(world.GetContactTotal(), 0);
}

TEST_F(CollisionPass, SolidPairGetsOneJointPerContactEachPass) {
  auto ball = MakeDynamic(new Tessora::Circle(Vec2(0, -0.9f), 1));
  Tessora::Static<Tessora::Block> ground(new Tessora::Block(Vec2(0, 1), 10, 2));
  for (int pass = 0; pass < 2; ++pass) {
    world.CollideObjects({ball.get(), nullptr, &ground});
    EXPECT_EQ(world.GetContactTotal(), 1);
    EXPECT_EQ(dBodyGetNumJoints(ball->GetBody()), 1);
  }
}

TEST_F(CollisionPass, SensorGetsItsCallbackButNoJoint) {
  auto sensor = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  Tessora::Static<Tessora::Block> ground(new Tessora::Block(Vec2(0, 1), 10, 2));
  sensor->surface.collisionMask = 0;
  ground.surface.collisionMask = 1;
  sensor->surface.contactCallback = Sight;
  world.CollideObjects({&ground, sensor.get()});
  ASSERT_EQ(sightings.size(), 1u);
  EXPECT_EQ(sightings[0].self, sensor.get());
  EXPECT_EQ(sightings[0].other, &ground);
  EXPECT_EQ(sightings[0].count, 1);
  EXPECT_EQ(world.GetContactTotal(), 0);
  EXPECT_EQ(dBodyGetNumJoints(sensor->GetBody()), 0);
}

TEST_F(CollisionPass, DisjointMasksWithoutCallbacksAreSkipped) {
  auto a = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  auto b = MakeDynamic(new Tessora::Circle(Vec2(1, 0), 1));
  a->surface.collisionMask = 1;
  b->surface.collisionMask = 2;
  world.CollideObjects({a.get(), b.get()});
  EXPECT_EQ(world.GetContactTotal(), 0);
  EXPECT_EQ(dBodyGetNumJoints(a->GetBody()), 0);
}

TEST_F(CollisionPass, EarlierObjectOfTheListIsA) {
  auto first = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  auto second = MakeDynamic(new Tessora::Circle(Vec2(1, 0), 1));
  first->surface.contactCallback = second->surface.contactCallback = Sight;
  world.CollideObjects({first.get(), second.get()});
  ASSERT_EQ(sightings.size(), 2u);
  EXPECT_EQ(sightings[0].self, first.get());
  EXPECT_EQ(sightings[1].self, second.get());
  EXPECT_EQ(world.GetContactTotal(), 1);
}

TEST_F(CollisionPass, ObjectListedTwiceDoesNotMeetItself) {
  auto ball = MakeDynamic(new Tessora::Circle(Vec2(0, 0), 1));
  world.CollideObjects({ball.get(), ball.get()});
  EXPECT_EQ(world.GetContactTotal(), 0);
}

// Every pair of the list, in list order, tested as the game's design
// describes the pass; returns the contacts that would become joints.
int EveryPairPass(const std::vector<Tessora::Object*>& objects) {
  Tessora::ContactBuffer buffer;
  int total = 0;
  for (size_t i = 0; i < objects.size(); ++i) {
    for (size_t j = i + 1; j < objects.size(); ++j) {
      Tessora::Object* a = objects[i];
      Tessora::Object* b = objects[j];
      if (!a || !b || (!a->IsDynamic() && !b->IsDynamic())) continue;
      const bool solid = (a->surface.collisionMask & b->surface.collisionMask) != 0;
      if (!solid && !a->surface.contactCallback && !b->surface.contactCallback) continue;
      if (!Tessora::Overlaps(*a->GetShape(), *b->GetShape())) continue;
      buffer.Reset(a, b);
      Tessora::Collide(*a->GetShape(), *b->GetShape(), buffer);
      buffer.MixSurfaces();
      if (solid) total += buffer.GetCount();
    }
  }
  return total;
}

// The pass only visits pairs whose boxes overlap; that must not change which
// callbacks run, in which order, or how many contacts become joints.
TEST_F(CollisionPass, SameAsTestingEveryPairInListOrder) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> coordinate(0, 40), size(1, 8);
  std::uniform_int_distribution<int> coin(0, 1), mask(0, 3);
  std::vector<std::unique_ptr<Tessora::Object>> owned;
  std::vector<Tessora::Object*> objects;
  for (int i = 0; i < 120; ++i) {
    const Vec2 centre(coordinate(rng), coordinate(rng));
    if (coin(rng)) {
      owned.push_back(MakeDynamic(new Tessora::Circle(centre, size(rng) * 0.5f)));
    } else if (coin(rng)) {
      owned.push_back(MakeDynamic(new Tessora::Block(centre, size(rng), size(rng))));
    } else {
      owned.push_back(std::make_unique<Tessora::Static<Tessora::Block>>(
          new Tessora::Block(centre, size(rng), size(rng))));
    }
    Tessora::Object* o = owned.back().get();
    o->surface.collisionMask = static_cast<std::uint32_t>(mask(rng));
    if (coin(rng)) o->surface.contactCallback = Sight;
    objects.push_back(o);
    if (i % 40 == 0) objects.push_back(nullptr);
  }
  const int expectedTotal = EveryPairPass(objects);
  const std::vector<Sighting> expected = sightings;
  sightings.clear();
  world.CollideObjects(objects);
  EXPECT_GT(expected.size(), 50u);
  EXPECT_EQ(sightings, expected);
  EXPECT_EQ(world.GetContactTotal(), expectedTotal);
}

}  // namespace
