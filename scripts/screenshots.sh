#!/usr/bin/env bash
# Regenerates the README's pictures from the scripts in docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/kervadin-script" docs/screenshots/kervadin.script
"$build/dorvic-script" docs/screenshots/dorvic.script
