// The "Level objectives" window, shown over the frozen level until the
// player presses a key: one row per goal the level script declared, each
// with the goal icon "res\objective.png".
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
  // Replaces the window by a new one.
  static void Create();
  static void Destroy();
  static ObjectivesWindow* GetInstance();

  ~ObjectivesWindow();
  ObjectivesWindow(const ObjectivesWindow&) = delete;
  ObjectivesWindow& operator=(const ObjectivesWindow&) = delete;

  // Runs the window's GUI once and draws it over the frame, listing these
  // goals; its rows are made again only when the goals differ from the
  // ones it listed last.
  void Draw(const std::vector<HeldText>& objectives);

 private:
  struct Row {
    std::unique_ptr<gcn::Icon> icon;  // none without the icon image
    std::unique_ptr<gcn::Label> label;
  };

  ObjectivesWindow();
  void Rebuild(const std::vector<HeldText>& objectives);
  void ClearRows();

  std::unique_ptr<gcn::OlGraphics> graphics_;
  std::unique_ptr<gcn::AllegroInput> input_;
  std::unique_ptr<gcn::Window> window_;
  std::unique_ptr<gcn::Gui> gui_;
  // The goals the rows show, and the one icon image they share.
  std::vector<HeldText> objectives_;
  std::unique_ptr<gcn::Image> iconImage_;
  std::vector<Row> rows_;
};

}  // namespace Kest
