#!/usr/bin/env bash
# Builds the rigid-body solver from Debian's `ode` source package with our
# patch (tools/ode/vantrail-ode.patch) as a single-precision static library.
# The result is cached in the given folder and rebuilt only when the patch or
# the source version changes.
# Usage: tools/build-ode.sh <cache-dir>
set -euo pipefail
trap 'echo "build-ode: failed; see ${log:-the output above}" >&2' ERR

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${1:?cache folder}
patch="$root/tools/ode/vantrail-ode.patch"
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src entry: add one for the main archive, with the
# host and suite of the existing deb entry.
ensure_deb_src() {
  if apt-get source --print-uris ode >/dev/null 2>&1; then return; fi
  local uri="" suite=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    uri=$(awk '/^URIs:/ && $2 !~ /security/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
    suite=$(awk '/^Suites:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    read -r uri suite < <(awk '$1 == "deb" && $2 !~ /security/ {print $2, $3; exit}' /etc/apt/sources.list) || true
  fi
  uri=${uri:-http://deb.debian.org/debian}
  suite=${suite:-bookworm}
  echo "build-ode: adding deb-src $uri $suite main"
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uri" "$suite" | sudo_if_needed tee /etc/apt/sources.list.d/vantrail-src.sources >/dev/null
  sudo_if_needed apt-get update -qq
}

ensure_deb_src
version=$(apt-cache showsrc ode | awk '/^Version:/ {print $2; exit}')
stamp="$version $(sha256sum "$patch" | cut -d' ' -f1)"
if [ -f "$cache/stamp" ] && [ "$(cat "$cache/stamp")" = "$stamp" ] && [ -f "$cache/install/lib/libode.a" ]; then
  exit 0
fi

echo "build-ode: building ode $version with our patch"
rm -rf "$cache/src" "$cache/build" "$cache/install"
mkdir -p "$cache/src"
log="$cache/build.log"
: > "$log"
(cd "$cache/src" && apt-get source -qq --download-only ode && dpkg-source -x ./*.dsc tree) >>"$log" 2>&1
srcdir="$cache/src/tree"
(cd "$srcdir" && patch -p1 --binary -s < "$patch")

cmake -S "$srcdir" -B "$cache/build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$cache/install" -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
  -DBUILD_SHARED_LIBS=OFF -DODE_DOUBLE_PRECISION=OFF -DODE_WITH_DEMOS=OFF -DODE_WITH_TESTS=OFF \
  -DODE_WITH_OPCODE=OFF -DODE_WITH_GIMPACT=OFF -DODE_NO_THREADING_INTF=ON -DODE_NO_BUILTIN_THREADING_IMPL=ON \
  -DODE_WITH_LIBCCD=OFF -Wno-dev >>"$log" 2>&1
cmake --build "$cache/build" -j"$(nproc)" >>"$log" 2>&1
cmake --install "$cache/build" >>"$log" 2>&1
echo "$stamp" > "$cache/stamp"
echo "build-ode: done"
