#!/usr/bin/env bash
# Sets up, builds and runs every test: the suite in a sanitizer build
# (AddressSanitizer, UndefinedBehaviorSanitizer), a bounded fuzzing run, then
# the suite in the release build, ending with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

# Sanitizers: valgrind cannot run beside them, and neither timing nor resident
# memory (the sanitizer holds freed memory back) means anything there; the
# package and the checks under a window manager run once, in the release build
# (the tests labelled soak, timing, package and desktop).
BUILD_DIR=build-asan scripts/build.sh -DWERROR=ON -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DBENCH=OFF
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE 'timing|package|desktop|soak'

fuzz/run.sh "${FUZZ_SECONDS:-60}"

scripts/build.sh -DWERROR=ON
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
