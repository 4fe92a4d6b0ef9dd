// A keyboard for screens under test: it plays a script of key events, one each time the screen finds no key
// waiting, so a screen sees the presses that follow its opening. A pressed key stays held until the script
// releases it.
#pragma once

#include <deque>
#include <set>

#include "game/app/gamekeys.h"
#include "game/screens/screenframe.h"

namespace ScreenTests {

class ScriptedKeys : public Kest::Keyboard {
 public:
  // A press's value has the scan code in its high byte, the character in the low.
  struct Event {
    int value;
    bool release = false;
  };
  static Event Release(int scancode) { return Event{scancode << 8, true}; }

  ScriptedKeys(std::set<int> held, std::deque<Event> events) : held_(std::move(held)), events_(std::move(events)) {
    Kest::ScreenFrame::UseKeyboard(this);
  }
  ~ScriptedKeys() override { Kest::ScreenFrame::UseKeyboard(nullptr); }

  bool IsHeld(int scancode) override { return held_.count(scancode) != 0; }
  bool KeyPressed() override {
    if (waiting_) return true;
    PlayNext();
    return false;
  }
  int ReadKey() override {
    const int value = waiting_;
    waiting_ = 0;
    return value;
  }
  // Events not played yet.
  std::size_t Left() const { return events_.size() + (waiting_ ? 1 : 0); }

 private:
  void PlayNext() {
    if (events_.empty()) return;
    const Event event = events_.front();
    events_.pop_front();
    if (event.release) {
      held_.erase(event.value >> 8);
      return;
    }
    held_.insert(event.value >> 8);
    waiting_ = event.value;
  }

  std::set<int> held_;
  std::deque<Event> events_;
  int waiting_ = 0;
};

}  // namespace ScreenTests
