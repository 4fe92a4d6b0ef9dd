#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/level/level.h"
#include "game/level/levelcondition.h"
#include "game/level/variablemanager.h"
#include "script/levelfunctions.h"

namespace {

using Kest::VariableManager;

// Records what it is told; may leave the manager when told.
class Watcher : public Kest::VariableObserver {
 public:
  Watcher(const std::string& name, std::vector<std::string>& journal, bool leaves = false)
      : VariableObserver(name), journal_(journal), leaves_(leaves) {}
  void OnVariableChanged(const std::string& value) override {
    journal_.push_back(GetWatchedName() + "=" + value);
    if (leaves_) VariableManager::GetInstance()->RemoveObserver(this);
  }

 private:
  std::vector<std::string>& journal_;
  bool leaves_;
};

class Variables : public ::testing::Test {
 protected:
  Variables() { VariableManager::Create(); }
  ~Variables() override { VariableManager::Destroy(); }
  VariableManager& Manager() { return *VariableManager::GetInstance(); }
  std::vector<std::string> journal;
};

TEST_F(Variables, SettingTheSameValueAgainNotifiesAgainAndOnlyThatName) {
  Watcher laps("laps", journal);
  Watcher other("other", journal);
  Manager().AddObserver(&laps);
  Manager().AddObserver(&other);
  Manager().SetVariable("laps", "2");
  Manager().SetVariable("laps", "2");
  Manager().SetVariable("Laps");
  EXPECT_EQ(journal, (std::vector<std::string>{"laps=2", "laps=2"}));
  EXPECT_EQ(Manager().GetVariable("Laps"), "1");
}

TEST_F(Variables, AnObserverThatLeavesMidWalkIsNotToldAgainWhileTheOthersAre) {
  Watcher leaving("gate", journal, true);
  Watcher staying("gate", journal);
  Manager().AddObserver(&leaving);
  Manager().AddObserver(&staying);
  Manager().SetVariable("gate", "a");
  Manager().SetVariable("gate", "b");
  EXPECT_EQ(journal, (std::vector<std::string>{"gate=a", "gate=a", "gate=b"}));
}

// Told once however often it joined, not once it left, again once it
// joins anew; what the script pays for is the number told.
TEST_F(Variables, EachObserverIsToldOnceAndTheCountToldIsReturned) {
  Watcher twice("gate", journal), other("gate", journal), gone("gate", journal), door("door", journal);
  for (Watcher* watcher : {&twice, &twice, &other, &gone, &door}) Manager().AddObserver(watcher);
  Manager().RemoveObserver(&gone);
  EXPECT_EQ(Manager().NotifyObservers("gate", "x"), 2u);
  EXPECT_EQ(journal, (std::vector<std::string>{"gate=x", "gate=x"}));
  Manager().AddObserver(&gone);
  EXPECT_EQ(Manager().NotifyObservers("gate", "y"), 3u);
  EXPECT_EQ(Manager().NotifyObservers("nobody", "y"), 0u);
}

TEST_F(Variables, AVariableExistsOnceSetEvenToTheEmptyText) {
  EXPECT_FALSE(Manager().HasVariable("key"));
  EXPECT_EQ(Manager().GetVariable("key"), "");
  Manager().SetVariable("key", "");
  EXPECT_TRUE(Manager().HasVariable("key"));
  Kest::VariableCondition condition("key");
  EXPECT_TRUE(condition.IsSatisfied());
  EXPECT_FALSE(Kest::VariableCondition("lock").IsSatisfied());
}

// Null before: never set; null after: still missing.
TEST_F(Variables, IncreaseVariableCountsUpNumbersOnly) {
  const struct {
    const char *before, *after;
    int notified;
  } rows[] = {{"7", "8", 1}, {"-1", "0", 1}, {"abc", "1", 1}, {"", "", 0}, {nullptr, nullptr, 0},
              {"2147483647", "2147483647", 1}, {"3000000000", "2147483647", 1},
              {"-3000000000", "-2147483647", 1}, {"12 laps", "13", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before ? row.before : "(unset)");
    VariableManager::Create();
    journal.clear();
    Watcher watcher("n", journal);
    Manager().AddObserver(&watcher);
    if (row.before) Manager().SetVariable("n", row.before);
    journal.clear();
    Kest::ScriptApi::IncreaseVariable("n");
    EXPECT_EQ(Manager().HasVariable("n"), row.after != nullptr);
    EXPECT_EQ(Manager().GetVariable("n"), row.after ? row.after : "");
    EXPECT_EQ(static_cast<int>(journal.size()), row.notified);
    Manager().RemoveObserver(&watcher);
  }
}

// A condition that holds when told to.
class Switch : public Kest::LevelCondition {
 public:
  explicit Switch(bool& on) : on_(on) {}
  bool IsSatisfied() override { return on_; }

 private:
  bool& on_;
};

TEST(LevelConditions, ALevelFinishesOnlyWithConditionsThatAllHold) {
  Kest::Level level;
  EXPECT_FALSE(level.IsFinished());
  EXPECT_TRUE(level.IsAllSatisfied());
  bool first = true;
  bool second = false;
  Switch* a = new Switch(first);
  EXPECT_TRUE(level.Add(a));
  EXPECT_TRUE(level.Add(new Switch(second)));
  EXPECT_FALSE(level.IsFinished());
  second = true;
  EXPECT_TRUE(level.IsFinished());
  EXPECT_FALSE(level.Add(a));
  EXPECT_FALSE(level.Add(nullptr));
  EXPECT_EQ(level.GetConditionCount(), 2);
  level.ClearConditions();
  EXPECT_FALSE(level.IsFinished());
}

}  // namespace
