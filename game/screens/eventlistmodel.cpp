#include "game/screens/eventlistmodel.h"

namespace Kest {

int EventListModel::getNumberOfElements() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(lines_.size());
}

std::string EventListModel::getElementAt(int i) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (i < 0 || static_cast<std::size_t>(i) >= lines_.size()) return std::string();
  return lines_[static_cast<std::size_t>(i)];
}

void EventListModel::AddLines(std::initializer_list<std::string> lines) {
  const std::lock_guard<std::mutex> lock(mutex_);
  for (const std::string& line : lines) {
    if (lines_.size() > kMostLinesBeforeAdding) lines_.pop_front();
    lines_.push_back(line);
  }
}

}  // namespace Kest
