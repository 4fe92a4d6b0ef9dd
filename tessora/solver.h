// The solver's process-wide set-up: initialised before the first world,
// closed once at exit.
#pragma once

#include <ode/ode.h>
#include <type_traits>

namespace Tessora {

static_assert(std::is_same<dReal, float>::value,
              "the physics layer is built for the single-precision solver");

// Safe to call any number of times.
void InitSolver();

}  // namespace Tessora
