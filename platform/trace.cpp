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

  void Write(const std::string& text, bool endLine) {
    std::fwrite(text.data(), 1, text.size(), file);
    if (endLine) std::fputc('\n', file);
    std::fflush(file);
    written += text.size() + (endLine ? 1 : 0);
  }
};

TraceLog& Log() {
  static TraceLog log;
  return log;
}

// The text without its closing line feed when the log ends the line itself,
// cut at the longest length.
std::string Bounded(const std::string& text, bool endLine) {
  std::size_t size = text.size();
  if (endLine && size > 0 && text[size - 1] == '\n') --size;
  if (size <= kMostTraceLineBytes) return text.substr(0, size);
  return text.substr(0, kMostTraceLineBytes) + kCutMark;
}

void Write(const std::string& text, bool endLine) {
  TraceLog& log = Log();
  std::lock_guard<std::mutex> lock(log.mutex);
  if (log.full) return;
  if (!log.file) {
    log.file = std::fopen(log.path.c_str(), "w");
    if (!log.file) return;  // nowhere to write: the game goes on without a log
  }
  const std::string bounded = Bounded(text, endLine);
  if (log.written + bounded.size() + 1 > kMostTraceFileBytes) {
    log.full = true;
    log.Write(kTraceFullLine, true);
    return;
  }
  log.Write(bounded, endLine);
}

}  // namespace

void Trace(const std::string& text) { Write(text, true); }

void TraceVerbatim(const std::string& text) { Write(text, false); }

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
