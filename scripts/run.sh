#!/usr/bin/env bash
# Sets up, builds and starts one program: kervadin (the default) or dorvic.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-kervadin}
case "$program" in
  kervadin|dorvic) ;;
  *) echo "usage: $0 [kervadin|dorvic]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
scripts/build.sh
# By its full path, so what the program says about itself (how to start it
# without a display) holds from any folder.
build="${BUILD_DIR:-build}"
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
exec "$build/$program"
