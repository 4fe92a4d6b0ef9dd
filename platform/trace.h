// The game's trace log: one plain text file, truncated at the first message of
// a run, every message written in one piece and flushed at once. Safe to call
// from any thread (the timer thread reports "Time is up!" through it).
//
// Level scripts can make the game log as much as they like (every refused
// call is a line), so the log is bounded: a message is cut at a fixed length,
// and the file stops growing at a fixed size, with a last line saying so.
#pragma once

#include <cstddef>
#include <string>

namespace Platform {

// The longest message written, line feed excluded; a longer one is cut and
// ends with kCutMark.
constexpr std::size_t kMostTraceLineBytes = 8192;
constexpr const char* kCutMark = " [cut]";
// The file grows no further than this; the line saying so comes on top.
constexpr std::size_t kMostTraceFileBytes = 10u << 20;
constexpr const char* kTraceFullLine = "The trace log is full: later messages are dropped";

// Writes text as one line: a line feed is added unless the text ends with one.
void Trace(const std::string& text);
// Writes text as it stands: the next message goes on from where it ends.
void TraceVerbatim(const std::string& text);

// Sends later messages to another file (tests use this). The file is
// truncated by the next message. Default: "vantrail.log" in the working folder.
void SetTraceFile(const std::string& path);

}  // namespace Platform
