#include "platform/trace.h"

#include <cstdio>
#include <mutex>

namespace Platform {
namespace {

struct TraceLog {
  std::mutex mutex;
  std::string path = "vantrail.log";
  std::FILE* file = nullptr;
  std::size_t written = 0;
  bool full = false;

  ~TraceLog() {
    if (file) std::fclose(file);
  }

  void Write(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fputc('\n', file);
    std::fflush(file);
    written += line.size() + 1;
  }
};

TraceLog& Log() {
  static TraceLog log;
  return log;
}

// The text as one line of the log: without its closing line feed, cut at
// the longest length.
std::string AsLine(const std::string& text) {
  std::size_t size = text.size();
  if (size > 0 && text[size - 1] == '\n') --size;
  if (size <= kMostTraceLineBytes) return text.substr(0, size);
  return text.substr(0, kMostTraceLineBytes) + kCutMark;
}

}  // namespace

void Trace(const std::string& text) {
  TraceLog& log = Log();
  std::lock_guard<std::mutex> lock(log.mutex);
  if (log.full) return;
  if (!log.file) {
    log.file = std::fopen(log.path.c_str(), "w");
    if (!log.file) return;  // nowhere to write: the game goes on without a log
  }
  const std::string line = AsLine(text);
  if (log.written + line.size() + 1 > kMostTraceFileBytes) {
    log.full = true;
    log.Write(kTraceFullLine);
    return;
  }
  log.Write(line);
}

void SetTraceFile(const std::string& path) {
  TraceLog& log = Log();
  std::lock_guard<std::mutex> lock(log.mutex);
  if (log.file) std::fclose(log.file);
  log.file = nullptr;
  log.path = path;
  log.written = 0;
  log.full = false;
}

}  // namespace Platform
