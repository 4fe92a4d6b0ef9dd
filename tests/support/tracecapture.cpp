#include "tests/support/tracecapture.h"

#include <unistd.h>

#include <fstream>

#include "platform/trace.h"

namespace TestSupport {

TraceCapture::TraceCapture() {
  static int serial = 0;
  path_ = "trace-" + std::to_string(getpid()) + "-" + std::to_string(serial++) + ".log";
  Platform::SetTraceFile(path_);
}

TraceCapture::~TraceCapture() {
  Platform::SetTraceFile("vantrail.log");
  std::remove(path_.c_str());
}

std::vector<std::string> TraceCapture::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(path_);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int TraceCapture::Count(const std::string& fragment) const {
  int count = 0;
  for (const std::string& line : Lines()) count += line.find(fragment) != std::string::npos;
  return count;
}

}  // namespace TestSupport
