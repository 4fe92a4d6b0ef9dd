// The debug console's log of game events, as the lines its list box shows:
// the latest 21 lines, oldest first. Any thread may add lines while the
// main thread draws them.
#pragma once

#include <guichan/listmodel.hpp>

#include <deque>
#include <initializer_list>
#include <mutex>
#include <string>

namespace Kest {

class EventListModel : public gcn::ListModel {
 public:
  int getNumberOfElements() override;
  // A copy of line i, 0 the oldest; the empty text past the end (the list
  // box asks for rows below the last when it is scrolled).
  std::string getElementAt(int i) override;

  // Before each line goes in, the oldest is dropped when more than 20 are
  // held. The lines go in together: no other thread's line comes between.
  void AddLines(std::initializer_list<std::string> lines);
  void AddLine(const std::string& line) { AddLines({line}); }

 private:
  static constexpr std::size_t kMostLinesBeforeAdding = 20;

  std::mutex mutex_;
  std::deque<std::string> lines_;
};

}  // namespace Kest
