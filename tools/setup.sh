#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing) and builds
# the patched rigid-body solver into a cache inside the build folder.
# Usage: tools/setup.sh [build-dir]   (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)

packages=(
  g++ cmake pkg-config make dpkg-dev patch xz-utils
  liballegro4-dev liballeggl4-dev libloadpng4-dev libpng-dev zlib1g-dev
  liblua5.1-0-dev libtolua++5.1-dev libtinyxml-dev libguichan-dev libboost-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth xdotool mesa-utils libgl1-mesa-dri imagemagick
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_if_needed apt-get update -qq
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

"$root/tools/build-ode.sh" "$build/ode"
# The level's string library is Lua's own, built with our patch: fetch its source.
"$root/tools/lua/fetch-strlib.sh" "$build/lua"
