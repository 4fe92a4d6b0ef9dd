#include "tessora/solver.h"

#include <cstdlib>

namespace Tessora {

namespace {

void CloseSolver() { dCloseODE(); }

bool OpenSolver() {
  dInitODE2(0);
  std::atexit(CloseSolver);
  return true;
}

}  // namespace

void InitSolver() {
  static const bool opened = OpenSolver();
  (void)opened;
}

}  // namespace Tessora
