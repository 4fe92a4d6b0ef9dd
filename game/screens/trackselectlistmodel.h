// The rows of the track dialog: every track of the track list, in its
// order, with its best stored score, as
//   Meadow Run (High score: 5234, ann, Thu Jan  1 00:00:00 1970)
// or
//   Meadow Run (No high score)
#pragma once

#include <string>
#include <vector>

#include <guichan/listmodel.hpp>

namespace Kest {

class TrackSelectListModel : public gcn::ListModel {
 public:
  // Reads the rows once, from the track list and "highscores.xml" as they
  // are now (no rows without a track list).
  TrackSelectListModel();

  int getNumberOfElements() override;
  // Empty when there is no row i.
  std::string getElementAt(int i) override;

 private:
  std::vector<std::string> rows_;
};

}  // namespace Kest
