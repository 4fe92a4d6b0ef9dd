// The text field in which a player names a new high score. The name is
// shown in the widgets' font wherever the table stands: the field takes the
// characters of that font only, and no more than 24 of them; every other key
// that would type is ignored, while editing keys and Enter work as in any
// text field.
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
