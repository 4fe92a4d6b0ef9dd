// The name field of a new high score.
#include "game/screens/namefield.h"

#include <gtest/gtest.h>

#include <guichan/actionevent.hpp>
#include <guichan/actionlistener.hpp>
#include <guichan/key.hpp>
#include <guichan/keyevent.hpp>

#include <string>
#include <vector>

namespace {

using gcn::Key;

struct Typed {
  std::string text;
  int actions = 0;
};

class CountActions : public gcn::ActionListener {
 public:
  void action(const gcn::ActionEvent&) override { ++count; }
  int count = 0;
};

// The key values the GUI hands over: characters as their code (Latin-1
// letters as 162 to 255, others above 255), other keys as Key's values.
Typed TypeInto(const std::vector<int>& keys) {
  Kest::NameField field;
  CountActions actions;
  field.addActionListener(&actions);
  for (const int value : keys) {
    gcn::KeyEvent event(&field, false, false, false, false, gcn::KeyEvent::PRESSED, false, Key(value));
    field.keyPressed(event);
  }
  return Typed{field.getText(), actions.count};
}

// The text's characters, then the other keys.
std::vector<int> Codes(const std::string& text, const std::vector<int>& then = {}) {
  std::vector<int> keys(text.begin(), text.end());
  keys.insert(keys.end(), then.begin(), then.end());
  return keys;
}

// Enter confirms the name (one action), even when it is full.
TEST(NameField, TakesTheFontsCharactersOnlyAtMost24AndEnterConfirms) {
  const std::string full = "abcdefghijklmnopqrstuvwx";  // 24
  struct Case {
    const char* what;
    std::vector<int> keys;
    std::string text;
    int actions = 0;
  };
  const Case cases[] = {
      {"every sign of the font", Codes(" Ann.O-2:,\\=_/(x)+"), " Ann.O-2:,\\=_/(x)+"},
      {"signs the font lacks", Codes("zz!'~?*Q"), "zzQ"},
      {"the font's Latin-1 letters only", {'J', 0xC5, 0xE9, 0xC4, 0xF4, 0xD6, 0xA3, 0xFF, 'e'}, "J\xC5\xC4\xD6" "e"},
      {"beyond Latin-1", {'a', 0x20AC, 0x416, 'b'}, "ab"},
      {"control codes and tab", {'a', 1, 27, 127, Key::TAB, 'b'}, "ab"},
      {"a 25th character", Codes(full + "yz"), full},
      {"room again after a backspace", Codes(full, {Key::BACKSPACE, 'Z', 'Q'}), full.substr(0, 23) + "Z"},
      {"caret moves and deletes", Codes("abc", {Key::LEFT, Key::LEFT, Key::DELETE, 'X', Key::HOME, 'Y'}), "YaXc"},
      {"Enter on a full name", Codes(full, {Key::ENTER}), full, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Typed typed = TypeInto(c.keys);
    EXPECT_EQ(typed.text, c.text);
    EXPECT_EQ(typed.actions, c.actions);
  }
}

}  // namespace
