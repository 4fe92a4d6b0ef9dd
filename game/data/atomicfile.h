// Writing a data file so that a crash, a kill or a full disk never leaves it
// torn: the new content goes to a temporary file in the same folder, which is
// then renamed over the old one in a single step.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace Kest {

// Fills the file at path (a native path) through write, which returns false
// when it could not write everything. The file keeps the old one's
// permissions (a new one: 0644); one the player made read-only (no write
// permission at all) is not replaced. On any failure the old file is left as it
// was, the temporary file is removed, and one log line says why.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& write);

// A save cut short by a kill or a crash leaves its temporary file beside the
// file ("NAME.saving-" and six letters): removes those of the file at path,
// with a log line for each, unless another game holds the file's save lock
// (see savelock.h): that one is writing them.
void RemoveUnfinishedSaves(const std::string& path);

}  // namespace Kest
