#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs the whole test suite.
# Usage: tools/test.sh [build-dir] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
"$root/tools/setup.sh" "$root/build"
cmake -S "$root" -B "$build" -DVANTRAIL_ODE_DIR="$root/build/ode/install" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
