// Random pairs of every kind, nested composites included, both orders: contacts
// mirror, normals are unit, depths not negative, the deepest parts the pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/pairs.h"

namespace {

using Tessora::Shape;
using Tessora::Vec2;

enum Kind { kCircle, kBlock, kLine, kComposite, kKindCount };

std::mt19937 rng(20240611u);
float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }
int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }

std::unique_ptr<Shape> Make(int kind, bool nested = false) {
  const Vec2 centre(Uniform(-2, 2), Uniform(-2, 2));
  std::unique_ptr<Shape> shape;
  if (kind == kCircle) shape = std::make_unique<Tessora::Circle>(centre, Uniform(0.3f, 2));
  if (kind == kBlock) shape = std::make_unique<Tessora::Block>(centre, Uniform(0.3f, 4), Uniform(0.3f, 4));
  if (kind == kLine) shape = std::make_unique<Tessora::Line>(centre, centre + Vec2(Uniform(-3, 3), Uniform(-3, 3)));
  if (kind == kComposite) {
    auto composite = std::make_unique<Tessora::Composite>(centre);
    const int partKinds = nested ? kComposite : kKindCount;  // nesting one deep
    for (int i = Pick(3); i >= 0; --i) composite->AddPart(Make(Pick(partKinds), true).release());
    shape = std::move(composite);
  }
  const float angle = Uniform(-3.2f, 3.2f);
  shape->SetOrientation(Vec2(std::cos(angle), std::sin(angle)));
  shape->Update();
  return shape;
}

struct Contact { Vec2 normal; float depth; };

std::vector<Contact> ContactsOf(const Shape& a, const Shape& b) {
  Tessora::ContactBuffer out;
  Tessora::Collide(a, b, out);
  std::vector<Contact> contacts;
  for (int i = 0; i < out.GetCount(); ++i) contacts.push_back({out.GetNormal(i), out.GetDepth(i)});
  return contacts;
}

bool Mirrors(const Contact& c, const Contact& d) {
  return std::fabs(c.normal.x + d.normal.x) < 1e-4f && std::fabs(c.normal.y + d.normal.y) < 1e-4f &&
         std::fabs(c.depth - d.depth) < 1e-4f;
}

bool ByDepth(const Contact& x, const Contact& y) { return x.depth < y.depth; }

float Deepest(const std::vector<Contact>& contacts) {
  return contacts.empty() ? 0 : std::max_element(contacts.begin(), contacts.end(), ByDepth)->depth;
}

TEST(PairProperties, HoldForEveryPairOfKinds) {
  int contactsSeen = 0;
  for (int round = 0; round < 400; ++round) {
    for (int ka = 0; ka < kKindCount; ++ka) {
      for (int kb = 0; kb < kKindCount; ++kb) {
        SCOPED_TRACE(::testing::Message() << "round " << round << " kinds " << ka << "," << kb);
        std::unique_ptr<Shape> a = Make(ka), b = Make(kb);
        const std::vector<Contact> ab = ContactsOf(*a, *b);
        std::vector<Contact> ba = ContactsOf(*b, *a);
        ASSERT_EQ(ab.size(), ba.size());
        for (const Contact& c : ab) {
          EXPECT_NEAR(c.normal.Length(), 1, 1e-4f);
          EXPECT_GE(c.depth, 0);
          auto mirror = std::find_if(ba.begin(), ba.end(), [&](const Contact& d) { return Mirrors(c, d); });
          ASSERT_NE(mirror, ba.end());
          ba.erase(mirror);
        }
        contactsSeen += static_cast<int>(ab.size());
        // Composites are left out: their contacts come from several part pairs.
        if (ab.empty() || ka == kComposite || kb == kComposite) continue;
        const Contact deepest = *std::max_element(ab.begin(), ab.end(), ByDepth);
        a->SetPosition(a->GetPosition() + deepest.normal * deepest.depth);
        a->Update();
        EXPECT_LT(Deepest(ContactsOf(*a, *b)), 1e-3f + deepest.depth * 1e-3f);
      }
    }
  }
  EXPECT_GT(contactsSeen, 1000);
}

}  // namespace
