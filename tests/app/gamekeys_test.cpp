#include "game/app/gamekeys.h"

#include <allegro.h>
#include <gmock/gmock.h>

#include <deque>
#include <set>

namespace {

using ::testing::_;
using ::testing::NiceMock;
using ::testing::Return;

class FakeKeyboard : public Kest::Keyboard {
 public:
  bool IsHeld(int scancode) override { return held.count(scancode) != 0; }
  bool KeyPressed() override { return !presses.empty(); }
  int ReadKey() override {
    const int value = presses.front();
    presses.pop_front();
    return value;
  }

  std::set<int> held;
  std::deque<int> presses;
};

class MockActions : public Kest::KeyActions {
 public:
  MOCK_METHOD(void, SetThrottle, (int), (override));
  MOCK_METHOD(void, ToggleConsole, (), (override));
  MOCK_METHOD(void, ReloadLevel, (), (override));
  MOCK_METHOD(void, ReturnToMenu, (), (override));
  MOCK_METHOD(void, TurnAround, (), (override));
  MOCK_METHOD(int, GetDirection, (), (override));
  MOCK_METHOD(void, LeanBack, (), (override));
  MOCK_METHOD(void, LeanForward, (), (override));
};

int Press(int scancode, int character = 0) { return scancode << 8 | character; }

class GameKeys : public ::testing::Test {
 protected:
  bool Handle() { return Kest::HandleGameKeys(keyboard, actions); }
  // Only the calls a test expects may happen.
  void ExpectNoAction() {
    EXPECT_CALL(actions, ToggleConsole()).Times(0);
    EXPECT_CALL(actions, ReloadLevel()).Times(0);
    EXPECT_CALL(actions, ReturnToMenu()).Times(0);
    EXPECT_CALL(actions, TurnAround()).Times(0);
    EXPECT_CALL(actions, LeanBack()).Times(0);
    EXPECT_CALL(actions, LeanForward()).Times(0);
  }

  FakeKeyboard keyboard;
  NiceMock<MockActions> actions;
};

TEST_F(GameKeys, ThrottleFollowsTheHeldArrowsOnEveryCall) {
  EXPECT_CALL(actions, SetThrottle(2));
  Handle();
  keyboard.held = {KEY_DOWN};
  EXPECT_CALL(actions, SetThrottle(1));
  Handle();
  keyboard.held = {KEY_UP, KEY_DOWN};
  keyboard.presses = {Press(KEY_SPACE, ' ')};
  EXPECT_CALL(actions, SetThrottle(0));
  Handle();
}

TEST_F(GameKeys, AltCTogglesTheConsoleButATypedCDoesNot) {
  EXPECT_CALL(actions, ToggleConsole()).Times(1);
  keyboard.presses = {0x300};
  EXPECT_TRUE(Handle());
  keyboard.presses = {Press(KEY_C, 'c')};
  EXPECT_TRUE(Handle());
  keyboard.presses = {Press(KEY_C, 'C')};
  EXPECT_TRUE(Handle());
}

TEST_F(GameKeys, QReloadsAndEscLeavesAndBothEndThePass) {
  EXPECT_CALL(actions, ReloadLevel()).Times(1);
  keyboard.presses = {Press(KEY_Q, 'q')};
  EXPECT_FALSE(Handle());
  EXPECT_CALL(actions, ReturnToMenu()).Times(1);
  keyboard.presses = {Press(KEY_ESC, 27)};
  EXPECT_FALSE(Handle());
}

TEST_F(GameKeys, ArrowsLeanTheRiderTowardTheirSideOfTheScreen) {
  EXPECT_CALL(actions, GetDirection()).WillRepeatedly(Return(0));
  EXPECT_CALL(actions, LeanBack()).Times(1);
  keyboard.presses = {Press(KEY_LEFT)};
  EXPECT_TRUE(Handle());
  EXPECT_CALL(actions, LeanForward()).Times(1);
  keyboard.presses = {Press(KEY_RIGHT)};
  EXPECT_TRUE(Handle());
}

TEST_F(GameKeys, FacingLeftTheArrowsSwapTheirLeans) {
  EXPECT_CALL(actions, GetDirection()).WillRepeatedly(Return(1));
  EXPECT_CALL(actions, LeanForward()).Times(1);
  keyboard.presses = {Press(KEY_LEFT)};
  Handle();
  EXPECT_CALL(actions, LeanBack()).Times(1);
  keyboard.presses = {Press(KEY_RIGHT)};
  Handle();
}

TEST_F(GameKeys, KeysOutsideTheGameKeysAreReadAndIgnored) {
  ExpectNoAction();
  for (int value : {Press(KEY_A, 'a'), Press(KEY_UP), Press(KEY_DOWN), Press(KEY_F1), 0}) {
    keyboard.presses = {value};
    EXPECT_TRUE(Handle());
    EXPECT_TRUE(keyboard.presses.empty());
  }
}

TEST_F(GameKeys, OneKeyPressPerPass) {
  EXPECT_CALL(actions, TurnAround()).Times(1);
  EXPECT_CALL(actions, ReloadLevel()).Times(0);
  keyboard.presses = {Press(KEY_SPACE, ' '), Press(KEY_Q, 'q')};
  EXPECT_TRUE(Handle());
  EXPECT_EQ(keyboard.presses.size(), 1u);
}

}  // namespace
