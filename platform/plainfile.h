// Opening a file that a player can point the game at (a track's script, a
// scene file, a picture, the data files): tracks and data come from
// anywhere, so only a plain file is read, never a folder, a pipe or a
// device (nor a link to one), the open never waits, and no more is read
// than a limit the caller names.
#pragma once

#include <cstddef>
#include <string>

namespace Platform {

// Besides an errno value, why a file was refused.
constexpr int kNotAPlainFile = -1;
constexpr int kTooLarge = -2;

// Opens the file at path (a native path) for reading when it is a plain
// file of at most limit bytes. Returns the descriptor, or -1 with the
// reason in error (ENOENT for a file that is not there).
int OpenPlainFile(const std::string& path, std::size_t limit, int& error);

// Reads the whole plain file into contents. 0 when it was read whole, else
// the reason, as OpenPlainFile gives it or an errno value of the read.
int ReadPlainFile(const std::string& path, std::size_t limit, std::string& contents);

// 0 when the file at path may be handed to a library that opens it by name
// itself: a plain file within the limit. Else the reason.
int CheckPlainFile(const std::string& path, std::size_t limit);

// The reason as a log line says it.
std::string RefusalText(int error);

}  // namespace Platform
