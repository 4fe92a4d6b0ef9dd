// What the game needs of the operating system beyond the libraries: the
// command line, the environment, a millisecond clock and file paths.
#pragma once

#include <cstdint>
#include <string>

namespace Platform {

// The program's arguments joined with single spaces (the command line as one
// text); empty when there are none.
std::string JoinArguments(int argc, const char* const* argv);

// Sets an environment variable for this process and its children.
void SetEnvironment(const std::string& name, const std::string& value);

// Milliseconds on a monotonic clock, as an unsigned 32-bit count that wraps.
std::uint32_t Milliseconds();

// Gives the processor away for about this many milliseconds.
void SleepMilliseconds(std::uint32_t milliseconds);

// The system timer already ticks finely enough on Linux: nothing to raise.
inline void BeginTimerPeriod(unsigned /*milliseconds*/) {}

// File names in scripts and data use backslashes ("res\moto.png"); this turns
// them into the path to open. Only call it at the moment a file is opened,
// and never on a path that is the system's already (a folder's name may
// hold a backslash).
std::string ToNativePath(const std::string& path);

// The folder the running executable lies in, with a trailing '/'.
std::string ExecutableDirectory();

}  // namespace Platform
