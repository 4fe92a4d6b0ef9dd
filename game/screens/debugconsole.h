// The debug console: a narrow see-through window on the right of the play
// screen with live figures of the running game (the bike's position and
// speed, the frame rate, the loop's passes per step and per frame, whether a
// wheelie is on) over a time-stamped log of game events. The main loop draws
// it while the player has it shown; events are logged either way.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "game/screens/consolefigures.h"

namespace gcn {
class AllegroInput;
class CheckBox;
class Gui;
class Label;
class ListBox;
class OlGraphics;
class ScrollArea;
class Window;
}  // namespace gcn

namespace Kest {

class EventListModel;

class DebugConsole {
 public:
  // Becomes the console that GetInstance returns. Its widgets take the
  // global font set at that moment.
  DebugConsole();
  ~DebugConsole();
  DebugConsole(const DebugConsole&) = delete;
  DebugConsole& operator=(const DebugConsole&) = delete;

  static DebugConsole* GetInstance();

  // Adds the local time and the indented text, cut at kMostTextBytes, to
  // the console's event list, from any thread; nothing while there is no
  // console.
  static constexpr std::size_t kMostTextBytes = 4096;
  static void Log(const std::string& text);

  // Shows the figures, then runs the console's GUI once and draws it over
  // the frame; the caller shows the frame.
  void Draw();

  // The event list as the console shows it.
  EventListModel& GetEvents() const { return *events_; }

  ConsoleFigures figures;

 private:
  void Build();
  void ShowFigures();

  std::unique_ptr<EventListModel> events_;
  std::unique_ptr<gcn::OlGraphics> graphics_;
  std::unique_ptr<gcn::AllegroInput> input_;
  std::unique_ptr<gcn::Window> window_;
  std::array<std::unique_ptr<gcn::Label>, 5> labels_;
  std::unique_ptr<gcn::CheckBox> wheelies_;
  std::unique_ptr<gcn::ListBox> list_;
  std::unique_ptr<gcn::ScrollArea> scroll_;
  std::unique_ptr<gcn::Gui> gui_;
};

}  // namespace Kest
