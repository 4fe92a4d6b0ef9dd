// Screens end, rather than the game, when building or running them throws:
// the exception's text goes to the trace log and the screen returns as if
// the player had left it.
#pragma once

#include <guichan/exception.hpp>

#include <exception>

#include "game/utility/utility.h"

namespace Kest {

template <typename Result, typename Screen>
Result RunGuarded(Screen run, Result whenFailed) {
  try {
    return run();
  } catch (const gcn::Exception& e) {
    Log(e.getMessage());
  } catch (const std::exception& e) {
    Log(e.what());
  } catch (...) {
    Log("Unknown exception (High scores UI)");
  }
  return whenFailed;
}

}  // namespace Kest
