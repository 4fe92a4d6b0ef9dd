// The text field in which a player names a new high score. The name is
// written to "highscores.xml", which is UTF-8: the field takes printable
// ASCII only (the keyboard's Latin-1 letters would make the file unreadable)
// and no more than 24 characters; every other key that would type is
// ignored, while editing keys and Enter work as in any text field.
#pragma once

#include <cstddef>

#include <guichan/widgets/textfield.hpp>

namespace Kest {

class NameField : public gcn::TextField {
 public:
  static constexpr std::size_t kMaxLength = 24;

  // Empty, one line of the widgets' font high.
  NameField();

  void keyPressed(gcn::KeyEvent& event) override;
};

}  // namespace Kest
