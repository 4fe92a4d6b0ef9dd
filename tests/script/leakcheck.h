// The X server's client library and the GL driver keep allocations of their
// own to the end of the process; under LeakSanitizer, what is allocated
// while one of these lives does not count, so the leak check sees only the
// game's own memory.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace ScriptTest {

struct IgnoreLeaksHere {
#if defined(__SANITIZE_ADDRESS__)
  IgnoreLeaksHere() { __lsan_disable(); }
  ~IgnoreLeaksHere() { __lsan_enable(); }
#endif
};

}  // namespace ScriptTest
