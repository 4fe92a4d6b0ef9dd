// The track names of the track list, for GUI lists and drop-downs.
#pragma once

#include <string>

#include <guichan/listmodel.hpp>

namespace Kest {

class TrackListModel : public gcn::ListModel {
 public:
  // The tracks of the track list as it is now (none without one).
  int getNumberOfElements() override;
  // The display name of track i; empty when there is none.
  std::string getElementAt(int i) override;
};

}  // namespace Kest
