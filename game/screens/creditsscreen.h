// The credits: ten centred lines in the menu's font typed out one character
// at a time over a picture, again and again, until Esc returns to the menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/screens/screenframe.h"

namespace gcn {
class Container;
class Label;
}  // namespace gcn

namespace Kest {

class CreditsScreen {
 public:
  explicit CreditsScreen(const std::string& background);
  ~CreditsScreen();
  CreditsScreen(const CreditsScreen&) = delete;
  CreditsScreen& operator=(const CreditsScreen&) = delete;

  // Runs until Esc, or until the screen cannot be built or drawn (which is
  // logged); always true.
  bool Run();
  void DeleteWidgets();

  // The lines, in order.
  static std::vector<std::string> Lines();

 private:
  void Build();
  // Adds the line's label to the container, empty, where its whole text
  // will stand centred, and moves y below it.
  void AddLine(const char* text, gcn::Container& top, int& y);
  void Loop();

  ScreenFrame frame_;
  std::vector<std::unique_ptr<gcn::Label>> labels_;
};

}  // namespace Kest
