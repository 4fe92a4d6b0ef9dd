#include "platform/trace.h"

#include <cstdio>
#include <mutex>

namespace Platform {
namespace {

struct TraceLog {
  std::mutex mutex;
  std::string path = "vantrail.log";
  std::FILE* file = nullptr;

  ~TraceLog() {
    if (file) std::fclose(file);
  }
};

TraceLog& Log() {
  static TraceLog log;
  return log;
}

void Write(const std::string& text, bool endLine) {
  TraceLog& log = Log();
  std::lock_guard<std::mutex> lock(log.mutex);
  if (!log.file) {
    log.file = std::fopen(log.path.c_str(), "w");
    if (!log.file) return;  // nowhere to write: the game goes on without a log
  }
  std::fwrite(text.data(), 1, text.size(), log.file);
  if (endLine && (text.empty() || text.back() != '\n')) std::fputc('\n', log.file);
  std::fflush(log.file);
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
}

}  // namespace Platform
