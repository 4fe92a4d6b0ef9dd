#include "game/screens/trackselectdialog.h"

namespace Kest {

TrackSelectDialog::TrackSelectDialog(const std::string& /*background*/) {}

// The dialog has no list of tracks to offer yet: nothing can be chosen.
int TrackSelectDialog::Run() { return -1; }

}  // namespace Kest
