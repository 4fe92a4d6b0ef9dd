// The "Level objectives" window, shown over the frozen level until the
// player presses a key: one row per goal the level script declared, each
// with the goal icon "res\objective.png". Every level load clears the goals
// before its script runs and rebuilds the rows after it, so a goal added
// during play is never shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/utility/heldtext.h"

namespace gcn {
class AllegroInput;
class Gui;
class Icon;
class Image;
class Label;
class OlGraphics;
class Window;
}  // namespace gcn

namespace Kest {

class ObjectivesWindow {
 public:
  // Replaces the window by a new one. A window whose widgets cannot be made
  // is logged and stays usable, showing nothing.
  static void Create();
  static void Destroy();
  static ObjectivesWindow* GetInstance();

  ~ObjectivesWindow();
  ObjectivesWindow(const ObjectivesWindow&) = delete;
  ObjectivesWindow& operator=(const ObjectivesWindow&) = delete;

  // The goal is shown from the next rebuild on.
  void AddObjective(const std::string& text);
  // Removes the rows and forgets the goals.
  void Clear();
  // The rows again, one per goal in the order they were added.
  void Rebuild();
  // Runs the window's GUI once and draws it over the frame.
  void Draw();
  void ClearRows();

  const std::vector<HeldText>& GetObjectives() const { return objectives_; }

 private:
  struct Row {
    std::unique_ptr<gcn::Icon> icon;  // none without the icon image
    std::unique_ptr<gcn::Label> label;
  };

  ObjectivesWindow();
  void Build();

  std::unique_ptr<gcn::OlGraphics> graphics_;
  std::unique_ptr<gcn::AllegroInput> input_;
  std::unique_ptr<gcn::Window> window_;
  std::unique_ptr<gcn::Gui> gui_;
  std::vector<HeldText> objectives_;
  // The one icon image the rows share; the rows go first, before it and
  // the window that holds them.
  std::unique_ptr<gcn::Image> iconImage_;
  std::vector<Row> rows_;
};

}  // namespace Kest
