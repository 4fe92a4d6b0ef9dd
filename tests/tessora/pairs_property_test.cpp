// Randomised checks of the contact convention over every pair of shape
// kinds, in both argument orders, with nested composites.
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

using Tessora::ContactBuffer;
using Tessora::Shape;
using Tessora::Vec2;

enum Kind { kCircle, kBlock, kLine, kComposite, kKindCount };

class ShapeMaker {
 public:
  explicit ShapeMaker(unsigned seed) : rng_(seed) {}

  std::unique_ptr<Shape> Make(int kind, int nesting = 0) {
    std::unique_ptr<Shape> shape;
    const Vec2 centre(Uniform(-2, 2), Uniform(-2, 2));
    switch (kind) {
      case kCircle:
        shape = std::make_unique<Tessora::Circle>(centre, Uniform(0.3f, 2));
        break;
      case kBlock:
        shape = std::make_unique<Tessora::Block>(centre, Uniform(0.3f, 4), Uniform(0.3f, 4));
        break;
      case kLine:
        shape = std::make_unique<Tessora::Line>(centre, centre + Vec2(Uniform(-3, 3), Uniform(-3, 3)));
        break;
      default:
        shape = MakeComposite(centre, nesting);
    }
    const float angle = Uniform(-3.2f, 3.2f);
    shape->SetOrientation(Vec2(std::cos(angle), std::sin(angle)));
    shape->Update();
    return shape;
  }

 private:
  std::unique_ptr<Shape> MakeComposite(const Vec2& centre, int nesting) {
    auto composite = std::make_unique<Tessora::Composite>(centre);
    const int parts = 1 + static_cast<int>(Uniform(0, 2.99f));
    for (int i = 0; i < parts; ++i) {
      const int kind = nesting < 1 ? static_cast<int>(Uniform(0, 3.99f)) : static_cast<int>(Uniform(0, 2.99f));
      composite->AddPart(Make(kind, nesting + 1).release());
    }
    return composite;
  }

  float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }

  std::mt19937 rng_;
};

struct Contact {
  Vec2 normal;
  float depth;
};

std::vector<Contact> ContactsOf(const Shape& a, const Shape& b) {
  ContactBuffer out;
  Tessora::Collide(a, b, out);
  EXPECT_FALSE(out.IsFlipped());
  std::vector<Contact> contacts;
  for (int i = 0; i < out.GetCount(); ++i) contacts.push_back({out.GetNormal(i), out.GetDepth(i)});
  return contacts;
}

// Each contact of one order has a partner in the other order with the
// opposite normal and the same depth.
void ExpectMirrored(std::vector<Contact> ab, std::vector<Contact> ba) {
  ASSERT_EQ(ab.size(), ba.size());
  for (const Contact& c : ab) {
    auto partner = std::find_if(ba.begin(), ba.end(), [&](const Contact& d) {
      return std::fabs(c.normal.x + d.normal.x) < 1e-4f && std::fabs(c.normal.y + d.normal.y) < 1e-4f &&
             std::fabs(c.depth - d.depth) < 1e-4f;
    });
    ASSERT_NE(partner, ba.end()) << "no mirror for normal " << c.normal.x << "," << c.normal.y;
    ba.erase(partner);
  }
}

float DeepestOf(const std::vector<Contact>& contacts) {
  float deepest = 0;
  for (const Contact& c : contacts) deepest = std::max(deepest, c.depth);
  return deepest;
}

// Moving a along the deepest contact's normal by its depth parts the pair
// (composites excepted: their contacts come from several part pairs).
void ExpectSeparatedByDeepest(Shape& a, const Shape& b, const std::vector<Contact>& contacts) {
  const auto deepest = std::max_element(contacts.begin(), contacts.end(),
                                        [](const Contact& x, const Contact& y) { return x.depth < y.depth; });
  a.SetPosition(a.GetPosition() + deepest->normal * deepest->depth);
  a.Update();
  EXPECT_LT(DeepestOf(ContactsOf(a, b)), 1e-3f + deepest->depth * 1e-3f);
}

TEST(PairProperties, ContactConventionHoldsForEveryPairOfKinds) {
  ShapeMaker maker(20240611u);
  int contactsSeen = 0;
  for (int round = 0; round < 400; ++round) {
    for (int ka = 0; ka < kKindCount; ++ka) {
      for (int kb = 0; kb < kKindCount; ++kb) {
        SCOPED_TRACE(::testing::Message() << "round " << round << " kinds " << ka << "," << kb);
        std::unique_ptr<Shape> a = maker.Make(ka), b = maker.Make(kb);
        const std::vector<Contact> ab = ContactsOf(*a, *b);
        for (const Contact& c : ab) {
          EXPECT_NEAR(c.normal.Length(), 1, 1e-4f);
          EXPECT_GE(c.depth, 0);
        }
        ExpectMirrored(ab, ContactsOf(*b, *a));
        if (!ab.empty() && ka != kComposite && kb != kComposite) ExpectSeparatedByDeepest(*a, *b, ab);
        contactsSeen += static_cast<int>(ab.size());
      }
    }
  }
  EXPECT_GT(contactsSeen, 1000);
}

}  // namespace
