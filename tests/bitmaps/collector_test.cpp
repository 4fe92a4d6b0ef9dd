// The collector and the auto loader, with stand-in items that count what is done to them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <vector>

#include "render/autoloader.h"
#include "render/bitmap.h"
#include "render/collector.h"

namespace {

struct Log {
  int destroyed = 0;
  int deleted = 0;
};

class FakeItem : public ol::GarbageCollected {
 public:
  // Answers the auto loader with the given results in turn, then "done".
  FakeItem(Log& log, bool deleteWhenCollected, std::vector<ol::OlLoadResult> answers = {})
      : GarbageCollected(deleteWhenCollected), log_(log), answers_(answers.begin(), answers.end()) {}
  ~FakeItem() override { ++log_.deleted; }

  void Destroy(bool leaveCollector) override {
    ++log_.destroyed;
    EXPECT_FALSE(leaveCollector);
  }
  ol::OlLoadResult ExecuteQueuedCommands() override {
    ++loadCalls;
    if (answers_.empty()) return ol::OL_LOAD_DONE;
    const ol::OlLoadResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  void UnloadToMemory() override {}
  void SendToGPU() override {}
  bool IsValid() const override { return false; }
  bool HasQueuedCommands() const override { return !answers_.empty(); }
  void AddToGarbageCollector() override {}

  int loadCalls = 0;

 private:
  Log& log_;
  std::list<ol::OlLoadResult> answers_;
};

// Owns another registered item and takes it along, as a game object holding a bitmap would.
class Owner : public FakeItem {
 public:
  Owner(Log& log, ol::GarbageCollector& collector, FakeItem* owned)
      : FakeItem(log, true), collector_(collector), owned_(owned) {}
  ~Owner() override {
    collector_.Unregister(owned_);
    delete owned_;
  }

 private:
  ol::GarbageCollector& collector_;
  FakeItem* owned_;
};

TEST(GarbageCollector, DestroyAllReleasesEveryItemAndDeletesOnlyThoseThatAsk) {
  Log kept, collected;
  FakeItem ownedByGame(kept, false);
  ol::GarbageCollector collector;
  collector.Register(&ownedByGame);
  collector.Register(new FakeItem(collected, true));
  collector.DestroyAll();
  EXPECT_EQ(kept.destroyed, 1);
  EXPECT_EQ(kept.deleted, 0);
  EXPECT_EQ(collected.destroyed, 1);
  EXPECT_EQ(collected.deleted, 1);
  EXPECT_EQ(collector.Count(), 0u);
}

TEST(GarbageCollector, DestroyAllSurvivesDestructorsThatChangeTheList) {
  Log log;
  ol::GarbageCollector collector;
  FakeItem* owned = new FakeItem(log, true);
  collector.Register(new Owner(log, collector, owned));
  collector.Register(owned);
  collector.DestroyAll();
  // The owned item went with its owner and was not touched again.
  EXPECT_EQ(log.destroyed, 1);
  EXPECT_EQ(log.deleted, 2);  // the owner and the item it owned
  EXPECT_EQ(collector.Count(), 0u);
}

// Items not ready are asked again while others get done, until a pass makes no progress.
TEST(AutoLoader, AsksAgainWhileOthersGetDone) {
  Log log;
  FakeItem idle(log, false);
  FakeItem slow(log, false, {ol::OL_LOAD_NOT_READY});
  FakeItem failing(log, false, {ol::OL_LOAD_FAILED});
  FakeItem odd(log, false, {static_cast<ol::OlLoadResult>(7)});
  ol::RunQueuedLoads({&idle, &slow, &failing, &odd});
  EXPECT_EQ(idle.loadCalls + failing.loadCalls + odd.loadCalls, 3);
  EXPECT_EQ(slow.loadCalls, 2);
  FakeItem stuck(log, false, std::vector<ol::OlLoadResult>(10, ol::OL_LOAD_NOT_READY));
  ol::RunQueuedLoads({&stuck, &idle});
  EXPECT_EQ(stuck.loadCalls, 2);
}

// Once shut down the collector stays gone: bitmaps dying later have nothing
// to leave, and none makes a second one (in a child process, as it retires it).
TEST(GarbageCollectorDeathTest, StaysGoneAfterShutdown) {
  EXPECT_EXIT(
      {
        ol::GarbageCollector* collector = ol::GarbageCollector::Get();
        const std::size_t before = collector->Count();
        { ol::Bitmap gone; }  // a deleted bitmap leaves the collector
        auto* kept = new ol::Bitmap();
        const bool registered = collector->IsRegistered(kept) && collector->Count() == before + 1;
        collector->DestroyAll();
        delete collector;
        const bool gone = ol::GarbageCollector::Get() == nullptr;
        delete kept;
        ol::Bitmap late;
        std::exit(registered && gone && ol::GarbageCollector::Get() == nullptr ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
