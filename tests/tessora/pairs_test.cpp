// The pair routines on hand-worked cases, and random pairs in both orders. Boxes that only touch do not overlap; shapes touching with
// overlapping boxes do, with a contact of depth 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <random>
#include <vector>

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/pairs.h"
#include "tests/tessora/testworld.h"

namespace {

using Tessora::ContactBuffer;
using Tessora::Shape;
using Tessora::Vec2;

using ShapePtr = std::shared_ptr<const Shape>;

ShapePtr Circle(float x, float y, float radius) {
  return std::make_shared<Tessora::Circle>(Vec2(x, y), radius);
}

ShapePtr Block(float x, float y, float width, float height, Vec2 orientation = Vec2(1, 0)) {
  auto block = std::make_shared<Tessora::Block>(Vec2(x, y), width, height);
  block->SetOrientation(orientation);
  block->Update();
  return block;
}

ShapePtr Line(Vec2 p1, Vec2 p2) { return std::make_shared<Tessora::Line>(p1, p2); }

ShapePtr CompositeOf(std::initializer_list<Shape*> parts) {
  auto composite = std::make_shared<Tessora::Composite>(Vec2(0, 0));
  for (Shape* part : parts) composite->AddPart(part);
  composite->Update();
  return composite;
}

struct Contact {
  Vec2 position, normal;
  float depth;
};

struct PairCase {
  const char* name;
  ShapePtr a, b;
  bool overlaps;
  std::vector<Contact> contacts;
};

TEST(Pairs, OverlapAndContacts) {
  const PairCase cases[] = {
      {"circles touching side by side", Circle(0, 0, 1), Circle(2, 0, 1), false, {}},
      {"circles touching on a slant", Circle(0, 0, 5), Circle(6, 8, 5), true, {{{3, 4}, {-0.6f, -0.8f}, 0}}},
      {"unequal circles", Circle(0, 0, 2), Circle(0, 2.5f, 1), true, {{{0, 1.75f}, {0, -1}, 0.5f}}},
      {"small circle inside", Circle(0, 0, 5), Circle(1, 0, 1), true, {{{1, 0}, {-1, 0}, 5}}},
      {"circles on one centre", Circle(2, 2, 1), Circle(2, 2, 0.5f), true, {{{2, 2}, {-1, 0}, 1.5f}}},
      {"circle by a block", Block(0, 0, 4, 2), Circle(0, 1.5f, 1), true, {{{0, 1}, {0, -1}, 0.5f}}},
      {"circle centred in a block", Block(0, 0, 4, 2), Circle(1.5f, 0.25f, 1), true,
       {{{1.5f, 0.25f}, {-1, 0}, 1.5f}}},
      {"circle touching a block", Block(0, 0, 4, 2), Circle(0, 2, 1), false, {}},
      {"offset squares", Block(0, 0, 2, 2), Block(1.5f, 0.5f, 2, 2), true,
       {{{0.5f, 1}, {-1, 0}, 0.5f}, {{0.5f, -0.5f}, {-1, 0}, 0.5f}}},
      {"equal faces in line", Block(0, -1.9f, 2, 2), Block(0, 0, 2, 2), true,
       {{{-1, -1}, {0, -1}, 0.1f}, {{1, -1}, {0, -1}, 0.1f}}},
      {"blocks side by side", Block(0, 0, 2, 2), Block(2, 0, 2, 2), false, {}},
      {"line along a face", Line({-1, -1}, {1, -1}), Block(0, 0, 2, 2), false, {}},
      {"block by a composite's second part", Block(0, 0, 4, 2),
       CompositeOf({new Tessora::Circle(Vec2(9, 9), 1), new Tessora::Circle(Vec2(0, 1.5f), 1)}), true,
       {{{0, 1}, {0, -1}, 0.5f}}},
      {"composites meeting through their boxes only",
       CompositeOf({new Tessora::Circle(Vec2(-2, -2), 1), new Tessora::Circle(Vec2(2, 2), 1)}),
       CompositeOf({new Tessora::Circle(Vec2(2, -2), 1), new Tessora::Circle(Vec2(-2, 2), 1)}), false, {}},
      {"empty composite", CompositeOf({}), Block(0, 0, 100, 100), false, {}},
  };
  for (const PairCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Tessora::Overlaps(*c.a, *c.b), c.overlaps);
    ContactBuffer out;
    Tessora::Collide(*c.a, *c.b, out);
    EXPECT_FALSE(out.IsFlipped());
    const int expected = static_cast<int>(c.contacts.size());
    EXPECT_EQ(out.GetCount(), expected);
    for (int i = 0; i < std::min(out.GetCount(), expected); ++i) {
      TessoraTest::ExpectNear(out.GetPosition(i), c.contacts[i].position);
      TessoraTest::ExpectNear(out.GetNormal(i), c.contacts[i].normal);
      EXPECT_NEAR(out.GetDepth(i), c.contacts[i].depth, 1e-5f);
    }
  }
}

TEST(Pairs, ContactsBeyondTheBufferAreDropped) {
  Tessora::Composite pile(Vec2(0, 0));
  for (int i = 0; i < 100; ++i) pile.AddPart(new Tessora::Circle(Vec2(i * 0.1f, 0), 1));
  pile.Update();
  ContactBuffer out;
  Tessora::Collide(pile, *Block(5, 1, 20, 1), out);
  EXPECT_EQ(out.GetCount(), ContactBuffer::kCapacity);
}

// Random pairs of every kind, nested composites included, both orders: contacts
// mirror, normals are unit, depths not negative, the deepest parts the pair.
enum Kind { kCircle, kBlock, kLine, kComposite, kKindCount };

std::mt19937 rng(20240611u);
float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }
int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }

std::unique_ptr<Shape> RandomShape(int kind, bool nested = false) {
  const Vec2 centre(Uniform(-2, 2), Uniform(-2, 2));
  std::unique_ptr<Shape> shape;
  if (kind == kCircle) shape = std::make_unique<Tessora::Circle>(centre, Uniform(0.3f, 2));
  if (kind == kBlock) shape = std::make_unique<Tessora::Block>(centre, Uniform(0.3f, 4), Uniform(0.3f, 4));
  if (kind == kLine) shape = std::make_unique<Tessora::Line>(centre, centre + Vec2(Uniform(-3, 3), Uniform(-3, 3)));
  if (kind == kComposite) {
    auto composite = std::make_unique<Tessora::Composite>(centre);
    const int partKinds = nested ? kComposite : kKindCount;  // nesting one deep
    for (int i = Pick(3); i >= 0; --i) composite->AddPart(RandomShape(Pick(partKinds), true).release());
    shape = std::move(composite);
  }
  const float angle = Uniform(-3.2f, 3.2f);
  shape->SetOrientation(Vec2(std::cos(angle), std::sin(angle)));
  shape->Update();
  return shape;
}

struct Seen { Vec2 normal; float depth; };

std::vector<Seen> ContactsOf(const Shape& a, const Shape& b) {
  Tessora::ContactBuffer out;
  Tessora::Collide(a, b, out);
  std::vector<Seen> contacts;
  for (int i = 0; i < out.GetCount(); ++i) contacts.push_back({out.GetNormal(i), out.GetDepth(i)});
  return contacts;
}

bool Mirrors(const Seen& c, const Seen& d) {
  return std::fabs(c.normal.x + d.normal.x) < 1e-4f && std::fabs(c.normal.y + d.normal.y) < 1e-4f &&
         std::fabs(c.depth - d.depth) < 1e-4f;
}

bool ByDepth(const Seen& x, const Seen& y) { return x.depth < y.depth; }

float Deepest(const std::vector<Seen>& contacts) {
  return contacts.empty() ? 0 : std::max_element(contacts.begin(), contacts.end(), ByDepth)->depth;
}

TEST(PairProperties, HoldForEveryPairOfKinds) {
  int contactsSeen = 0;
  for (int round = 0; round < 400; ++round) {
    for (int ka = 0; ka < kKindCount; ++ka) {
      for (int kb = 0; kb < kKindCount; ++kb) {
        SCOPED_TRACE(::testing::Message() << "round " << round << " kinds " << ka << "," << kb);
        std::unique_ptr<Shape> a = RandomShape(ka), b = RandomShape(kb);
        const std::vector<Seen> ab = ContactsOf(*a, *b);
        std::vector<Seen> ba = ContactsOf(*b, *a);
        ASSERT_EQ(ab.size(), ba.size());
        for (const Seen& c : ab) {
          EXPECT_NEAR(c.normal.Length(), 1, 1e-4f);
          EXPECT_GE(c.depth, 0);
          auto mirror = std::find_if(ba.begin(), ba.end(), [&](const Seen& d) { return Mirrors(c, d); });
          ASSERT_NE(mirror, ba.end());
          ba.erase(mirror);
        }
        contactsSeen += static_cast<int>(ab.size());
        // Composites are left out: their contacts come from several part pairs.
        if (ab.empty() || ka == kComposite || kb == kComposite) continue;
        const Seen deepest = *std::max_element(ab.begin(), ab.end(), ByDepth);
        a->SetPosition(a->GetPosition() + deepest.normal * deepest.depth);
        a->Update();
        EXPECT_LT(Deepest(ContactsOf(*a, *b)), 1e-3f + deepest.depth * 1e-3f);
      }
    }
  }
  EXPECT_GT(contactsSeen, 1000);
}

}  // namespace
