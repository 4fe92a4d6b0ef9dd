#include "tessora/surface.h"

#include <ode/ode.h>

namespace Tessora {

SurfaceProperties defaultSurfaceProperties = {
    5.0f, dInfinity, 0.35f, 0.0f, 0xFFFFFFFFu, 0xFFFFFFFFu, nullptr, nullptr,
};

}  // namespace Tessora
