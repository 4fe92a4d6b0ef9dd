// Points the game's trace log at a scratch file for the life of a test and reads back what was written.
#pragma once

#include <string>
#include <vector>

namespace TestSupport {

class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  std::vector<std::string> Lines() const;
  // True when some line contains the fragment; how many lines do.
  bool Contains(const std::string& fragment) const { return Count(fragment) > 0; }
  int Count(const std::string& fragment) const;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace TestSupport
