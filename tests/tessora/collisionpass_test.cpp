// The collision pass over a handful of objects.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tessora/dynamic.h"
#include "tessora/static.h"
#include "tessora/world.h"

namespace {

using Tessora::Vec2;

struct Sighting {
  const Tessora::Object* self;
  const Tessora::Object* other;
  int count;
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

}  // namespace
