// Pick-up items and their pictures: who owns the picture, what collecting
// does, and what happens when the picture goes first.
#include <gtest/gtest.h>

#include "game/level/variablemanager.h"
#include "game/objects/block.h"
#include "game/objects/pickableitem.h"
#include "game/objects/reaction.h"
#include "tessora/contactbuffer.h"
#include "tests/bike/bikescene.h"
#include "tests/support/tracecapture.h"

namespace BikeTest {
namespace {

class Items : public BikeScene {
 protected:
  // The pictures still in the space tell the witness when they go.
  ~Items() override { space.Clear(); }

  Kest::Block* NewImage() {
    auto* image = new Kest::Block(0.0f, 0.0f, 20.0f, 20.0f, "", false);
    image->AddObserver(&witness);
    return image;
  }
  void Pick(Kest::PickableItem& item) {
    Tessora::ContactBuffer buffer;
    buffer.Reset(item.GetBody(), bike->GetChassis()->GetBody());
    Kest::OnReactionContact(&buffer);
  }

  TestSupport::Witness witness;
};

TEST_F(Items, AnItemNeverInsertedDeletesItsImageAndOneInsertedLeavesItToTheSpace) {
  auto* lonely = new Kest::PickableItem("a", 0, 0, 20, 20);
  lonely->SetImage(NewImage());
  delete lonely;
  EXPECT_EQ(witness.destroyed, 1);

  auto* item = new Kest::PickableItem("b", 0, 0, 20, 20);
  Kest::Block* image = NewImage();
  item->SetImage(image);
  space.Insert(item, 3, "star");
  EXPECT_TRUE(space.Contains(image));
  EXPECT_EQ(image->GetDepth(), 3.0f);
  EXPECT_EQ(space.FindObject("star"), item) << "the name is the item's";
  item->SetRemoved(true);
  Sweep();
  EXPECT_EQ(witness.destroyed, 1) << "the image stays with the space";
}

TEST_F(Items, ANewImageReplacesTheOldOneOnlyBeforeTheItemIsInTheLevel) {
  TestSupport::TraceCapture trace;
  auto* item = new Kest::PickableItem("c", 0, 0, 20, 20);
  EXPECT_FALSE(item->SetImage(item));
  EXPECT_TRUE(item->SetImage(NewImage()));
  Kest::Block* second = NewImage();
  EXPECT_TRUE(item->SetImage(second));
  EXPECT_EQ(witness.destroyed, 1) << "the first image was the item's to delete";
  space.Insert(item);
  Kest::Block third(0, 0, 5, 5, "", false);
  EXPECT_FALSE(item->SetImage(&third));
  EXPECT_EQ(item->GetImage(), second);
  EXPECT_EQ(trace.Lines().size(), 2u);
}

// Counts the changes of one variable.
class VariableWitness : public Kest::VariableObserver {
 public:
  explicit VariableWitness(const std::string& name) : VariableObserver(name) {}
  void OnVariableChanged(const std::string&) override { ++changes; }
  int changes = 0;
};

// The item stays in the world until the sweep, so the bike may touch it in
// several steps before: it is collected once.
TEST_F(Items, PickingSetsTheVariableAndRemovesTheItemAndItsImageOnce) {
  Kest::VariableManager::Create();
  VariableWitness star("star1");
  Kest::VariableManager::GetInstance()->AddObserver(&star);
  auto* item = new Kest::PickableItem("star1", 0, 0, 20, 20);
  Kest::Block* image = NewImage();
  item->SetImage(image);
  space.Insert(item);
  Pick(*item);
  Pick(*item);
  EXPECT_EQ(Kest::VariableManager::GetInstance()->GetVariable("star1"), "1");
  EXPECT_EQ(star.changes, 1);
  EXPECT_TRUE(item->IsRemoved());
  EXPECT_TRUE(image->IsRemoved());
  Sweep();
  EXPECT_FALSE(space.Contains(item));
  EXPECT_EQ(witness.destroyed, 1);
  Kest::VariableManager::Destroy();
}

// Run under AddressSanitizer: the item must not touch its deleted picture.
TEST_F(Items, AnImageDeletedBeforeThePickIsLeftAlone) {
  auto* item = new Kest::PickableItem("star1", 0, 0, 20, 20);
  Kest::Block* image = NewImage();
  item->SetImage(image);
  space.Insert(item);
  image->SetRemoved(true);
  Sweep();
  ASSERT_EQ(witness.destroyed, 1);
  EXPECT_EQ(item->GetImage(), nullptr);
  Pick(*item);
  EXPECT_TRUE(item->IsRemoved());
}

// The bike drives through the item: it is collected during the collision
// pass, and the bike does not stop at it.
TEST_F(Items, TheBikeCollectsAnItemOnItsWay) {
  Settle();
  const Tessora::Vec2 start = bike->GetPosition();
  auto* item = new Kest::PickableItem("star1", start.x + 150.0f, start.y - 10.0f, 20, 20);
  space.Insert(item);
  bike->SetThrottle(Kest::Bike::kAccelerate);
  for (int i = 0; i < 2000 && !item->IsRemoved(); ++i) Step();
  EXPECT_TRUE(item->IsRemoved());
  Step(300);
  EXPECT_GT(bike->GetPosition().x, start.x + 200.0f) << "past the item";
}

}  // namespace
}  // namespace BikeTest
