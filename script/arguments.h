// Script numbers as the game takes them. A script may pass anything: NaN,
// infinities, numbers far outside the int or float range. None of that may
// reach the game as undefined behaviour.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace Kest {
namespace ScriptArguments {

// Truncated toward zero; NaN gives 0, numbers past the int range its bound.
int ToInt(double value);
// A bit mask of 32 bits: 0 .. 4294967295 as they are, negative ints as
// their bits (-1 is every bit); NaN gives 0, numbers past either end the
// nearest.
std::uint32_t ToMask(double value);
// A colour channel, held to 0..255.
int ToChannel(double value);
// Finite numbers past the float range become its bound; NaN and the
// infinities stay what they are.
float ToFloat(double value);
// True when every value is a finite float; otherwise one log line naming
// the function, and false.
bool AreFinite(const char* function, std::initializer_list<double> values);
// True when the name is empty (no file) or names a file inside the game's
// folder: relative, in either slash style, with no ".." part and no drive;
// otherwise one log line naming the function, and false.
bool IsGameFile(const char* function, const std::string& name);

}  // namespace ScriptArguments
}  // namespace Kest
