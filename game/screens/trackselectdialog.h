// The dialog in which the player picks the track to play: every track of
// the track list with its best score, and "start", which shows only while a
// track is picked. The list takes the keys from the start: Up and Down
// pick, Enter starts the picked track. Esc leaves without a choice.
#pragma once

#include <memory>
#include <string>

#include "game/screens/screenframe.h"

namespace gcn {
class ActionListener;
class Button;
class KeyListener;
class ListBox;
class ScrollArea;
class Window;
}  // namespace gcn

namespace Kest {

class EnterAction;
class TrackSelectListModel;

class TrackSelectDialog {
 public:
  explicit TrackSelectDialog(const std::string& background);
  ~TrackSelectDialog();
  TrackSelectDialog(const TrackSelectDialog&) = delete;
  TrackSelectDialog& operator=(const TrackSelectDialog&) = delete;

  // The chosen track's position in the track list, or -1 when the dialog
  // was left with Esc or could not be built (which is logged).
  int Run();
  void DeleteWidgets();

 private:
  void Build(TrackSelectListModel& rows, gcn::ActionListener& start);
  void Loop(const EnterAction& started);
  // "start" can be pressed only while a row is picked. True when the
  // button came or went.
  bool ShowStartWhenPicked();

  ScreenFrame frame_;
  std::unique_ptr<gcn::Window> window_;
  std::unique_ptr<gcn::ListBox> listBox_;
  std::unique_ptr<gcn::ScrollArea> scrollArea_;
  std::unique_ptr<gcn::Button> start_;
  std::unique_ptr<gcn::KeyListener> enterStarts_;
};

}  // namespace Kest
