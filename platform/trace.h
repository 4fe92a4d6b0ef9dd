// The game's trace log: one plain text file, truncated at the first message of
// a run, every message written whole and flushed at once. Safe to call from any
// thread.
#pragma once

#include <string>

namespace Platform {

// Writes text as one line: a line feed is added unless the text ends with one.
void Trace(const std::string& text);
// Writes text as it stands: the next message goes on from where it ends.
void TraceVerbatim(const std::string& text);

// Sends later messages to another file (tests use this). The file is
// truncated by the next message. Default: "vantrail.log" in the working folder.
void SetTraceFile(const std::string& path);

}  // namespace Platform
