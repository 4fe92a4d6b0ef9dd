// The dialog in which the player picks the track to play.
#pragma once

#include <string>

namespace Kest {

class TrackSelectDialog {
 public:
  explicit TrackSelectDialog(const std::string& background);

  // The chosen track's position in the track list, or -1 when the dialog
  // was left without a choice.
  int Run();
};

}  // namespace Kest
