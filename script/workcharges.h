// What bindings do besides the interpreter's own work, charged to the
// running chunk as it is done: a short loop of calls must not keep the game
// busy past the chunk's budget. The rates are the game's own work in
// instructions of about the same time, measured in the sanitizer build,
// where the game's code runs many times slower than the interpreter.
#pragma once

#include <cstddef>

namespace Kest {
namespace ScriptApi {

// A call that does a little of the game's work: a name looked up (a
// prototype, a picture, a scene file), a goal kept, a composite part added.
void ChargeCall();
// Elements of a scene file parsed or walked, with the attributes copied
// for them. When the budget cannot cover them the chunk ends here with the
// budget's error, which unwinds the read.
void SpendOnSceneWork(std::size_t elements, std::size_t attributes);

}  // namespace ScriptApi
}  // namespace Kest
