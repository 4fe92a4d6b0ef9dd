#!/usr/bin/env bash
# Fetches Lua 5.1's string library (src/lstrlib.c) from Debian's `lua5.1`
# source package into a cache folder; the build compiles it with our patch
# (tools/lua/counted-strlib.patch). Fetched again only when Debian's source
# version changes. Needs the deb-src entry that tools/build-ode.sh adds.
# Usage: tools/lua/fetch-strlib.sh <cache-dir>
set -euo pipefail
trap 'echo "fetch-strlib: failed; see ${log:-the output above}" >&2' ERR

cache=${1:?cache folder}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

version=$(apt-cache showsrc lua5.1 | awk '/^Version:/ {print $2; exit}')
if [ -f "$cache/stamp" ] && [ "$(cat "$cache/stamp")" = "$version" ] && [ -f "$cache/lstrlib.c" ]; then
  exit 0
fi

echo "fetch-strlib: fetching lua5.1 $version"
rm -rf "$cache/src" "$cache/lstrlib.c"
mkdir -p "$cache/src"
log="$cache/fetch.log"
(cd "$cache/src" && apt-get source -qq --download-only lua5.1 && dpkg-source -x ./*.dsc tree) >"$log" 2>&1
cp "$cache/src/tree/src/lstrlib.c" "$cache/lstrlib.c"
rm -rf "$cache/src"
echo "$version" > "$cache/stamp"
