#!/usr/bin/env bash
# Start-up benchmark: for kervadin, dorvic and the floor they are measured
# against, the time from exec to the first window mapped and to its first
# paint, and the resident memory 0.5 s after that paint, on a private Xvfb
# display. The floor, "bare+label", is bare-window --label: a bare Qt window
# of kervadin's size with one line of text, so it pays for loading a font as
# any window that shows text does; "bare-window" (the same window without
# text) is measured for reference. The programs take turns within each round
# (the order rotates), so a busy machine slows them alike; the medians and
# their ratios to the floor are printed.
#
#   bench/startup.sh [--check] [--rounds N] [--no-build] [--compare PROGRAM]
#
# --check   exit 1 when a program's first paint takes more than 1.10 x the
#           floor's or it holds more than the floor's memory + 1.5 MiB
# --rounds  measured rounds (default 15), after one warm-up round
# --compare one more program, another build of kervadin or dorvic (the one
#           of the commit before a change, say), measured in turn with the
#           others as the row "compared"
# BUILD_DIR names the build folder (default build). On a fresh Debian 12
# machine, run as root: missing packages are installed with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
rounds=15
build_first=1
compared=
while [ $# -gt 0 ]; do
  case "$1" in
    --check) check=1 ;;
    --rounds) rounds="$2"; shift ;;
    --no-build) build_first=0 ;;
    --compare) compared="$2"; shift ;;
    *) echo "usage: bench/startup.sh [--check] [--rounds N] [--no-build] [--compare PROGRAM]" >&2; exit 2 ;;
  esac
  shift
done
build="${BUILD_DIR:-build}"
programs=(bare-window kervadin dorvic)
rows=(bare+label kervadin dorvic bare-window)
if [ -n "$compared" ]; then
  [ -x "$compared" ] || { echo "$compared is not a program" >&2; exit 1; }
  rows+=(compared)
fi

if [ "$build_first" = 1 ]; then
  scripts/install-deps.sh libx11-dev libxdamage-dev
  cmake -S . -B "$build" -DBENCH=ON >/dev/null
  cmake --build "$build" -j"$(nproc)" --target "${programs[@]}" startup-probe >/dev/null
fi
for p in "${programs[@]}" startup-probe; do
  [ -x "$build/$p" ] || { echo "$build/$p is missing; build it first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure() { # ROUND-KIND ROW
  local line
  local command=("$build/$2")
  [ "$2" = bare+label ] && command=("$build/bare-window" --label)
  [ "$2" = compared ] && command=("$compared")
  if ! line=$("$build/startup-probe" "${command[@]}" 2>>"$work/stderr"); then
    echo "$2 did not start; its messages:" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  [ "$1" = warmup ] || echo "$2 $line" >>"$work/samples"
}

n=${#rows[@]}
for p in "${rows[@]}"; do measure warmup "$p"; done
for r in $(seq 0 $((rounds - 1))); do
  for i in $(seq 0 $((n - 1))); do
    measure round "${rows[$(((i + r) % n))]}"
  done
done

median() { # PROGRAM COLUMN
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$work/samples" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

floor_ms=$(median bare+label 3)
floor_kib=$(median bare+label 4)
echo "$rounds rounds on Xvfb; medians"
printf '%-12s %8s %9s %7s %9s %7s\n' program "map ms" "paint ms" ratio "RSS MiB" "+MiB"
status=0
for p in "${rows[@]}"; do
  map=$(median "$p" 2)
  ms=$(median "$p" 3)
  kib=$(median "$p" 4)
  read -r ratio extra verdict < <(awk -v ms="$ms" -v kib="$kib" -v fms="$floor_ms" -v fkib="$floor_kib" \
    'BEGIN { r = ms / fms; x = (kib - fkib) / 1024;
             printf "%.2f %+.1f %s\n", r, x, (r > 1.10 || x > 1.5) ? "over" : "ok" }')
  printf '%-12s %8.1f %9.1f %7s %9.1f %7s  %s\n' "$p" "$map" "$ms" "$ratio" \
    "$(awk -v k="$kib" 'BEGIN { print k / 1024 }')" "$extra" \
    "$(case "$p" in bare+label) echo "(floor)" ;; bare-window | compared) echo "(reference)" ;; *) echo "$verdict" ;; esac)"
  case "$p" in kervadin | dorvic) [ "$verdict" = ok ] || status=1 ;; esac
done
echo "goal: first paint at most 1.10 x the floor's, memory at most the floor's + 1.5 MiB"
if [ "$check" = 1 ]; then exit "$status"; fi
