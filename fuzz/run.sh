#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the number unit's two, and one for
# each program's windows) and runs each for SECONDS (default 60) on a fresh
# copy of its seed corpus.
#
#   fuzz/run.sh [SECONDS]
#
# Exits non-zero when a target finds an input that breaks one of its checks;
# the input is kept under $FUZZ_BUILD_DIR/findings/TARGET/ (reproduce with
# "$FUZZ_BUILD_DIR/TARGET FILE"; for a window target, FUZZ_PRINT_SCRIPT=1
# also prints the input as a script for the program's script tool). On a
# fresh Debian 12 machine, run as root:
# missing packages are installed with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build="${FUZZ_BUILD_DIR:-build-fuzz}"
targets=(fuzz_readnumber fuzz_formatnumber fuzz_kervadin_windows fuzz_dorvic_windows)

# The project's own set-up (CMake, Qt), with clang, its libFuzzer runtime and
# the symbolizer that turns a finding's stack trace into files and lines.
scripts/install-deps.sh clang-14 libclang-rt-14-dev llvm-14
export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
export UBSAN_OPTIONS="print_stacktrace=1:external_symbolizer_path=$ASAN_SYMBOLIZER_PATH"

cmake -S . -B "$build" -DFUZZ=ON -DWERROR=ON -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null

# Leaks the toolkit's libraries leave behind are not ours to report.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"

# The targets run side by side; each gets its own working corpus so the seeds
# in the repository are never changed.
pids=()
for t in "${targets[@]}"; do
  rm -rf "$build/corpus/$t"
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  cp fuzz/corpus/"$t"/* "$build/corpus/$t/"
  # A window input is a list of actions: let it be long from the start.
  extra=()
  case "$t" in *_windows) extra=(-max_len=1024 -len_control=0) ;; esac
  "$build/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "${extra[@]}" \
    -artifact_prefix="$build/findings/$t/" "$build/corpus/$t" >"$build/$t.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  t="${targets[$i]}"
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$t.log")
    echo "$t: nothing found in ${seconds} s, ${runs:-?} runs"
  else
    status=1
    echo "$t: FOUND a failing input (log: $build/$t.log):" >&2
    grep -m3 -E '^(ReadNumber|FormatNumber|== windows fuzz)|ERROR|SUMMARY' "$build/$t.log" >&2 || tail -20 "$build/$t.log" >&2
    ls "$build/findings/$t" >&2
  fi
done
exit "$status"
