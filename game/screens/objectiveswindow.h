// The "Level objectives" window shown over the frozen level until the
// player presses a key.
#pragma once

namespace Kest {

class ObjectivesWindow {
 public:
  // Replaces the window by a new one.
  static void Create();
  static void Destroy();
  static ObjectivesWindow* GetInstance();

  // Runs the window's GUI once and draws it over the frame.
  void Draw();

 private:
  ObjectivesWindow() = default;
};

}  // namespace Kest
