#!/bin/sh
# Run a scripted session under valgrind memcheck.
#
#     memcheck.sh TOOL SCRIPT
#
# TOOL is a script tool (kervadin-script, dorvic-script). Fails when memcheck
# finds a memory error or a definite leak not suppressed by
# tests/valgrind.supp, when a line of the script was an `error`, or when the
# session did not run to its end (a `focus` appended to the script must be
# answered, so the program must neither end early nor die). VALGRIND names
# another valgrind; VALGRIND_OPTS adds options (--gen-suppressions=all).
set -u
if [ $# -ne 2 ]; then
    echo "usage: $0 TOOL SCRIPT" >&2
    exit 2
fi
tool=$1
script=$2
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v "${VALGRIND:-valgrind}" > /dev/null; then
    echo "FAIL: ${VALGRIND:-valgrind} not found (Debian package valgrind)"
    exit 1
fi
output=$(mktemp)
trap 'rm -f "$output"' EXIT

{ cat "$script"; echo focus; } |
    "${VALGRIND:-valgrind}" --leak-check=full --errors-for-leak-kinds=definite \
        --error-exitcode=1 --suppressions="$here/../valgrind.supp" --num-callers=40 \
        "$tool" > "$output"
status=$?

failed=0
case $status in
    0) ;;
    1) echo "FAIL: memcheck found errors or definite leaks (see above)"; failed=1 ;;
    2) echo "FAIL: lines of the script were errors:"; grep '^error' "$output" | head -20; failed=1 ;;
    *) echo "FAIL: the tool exited with status $status"; failed=1 ;;
esac
if grep -q '^ended$' "$output"; then
    echo "FAIL: the program ended during the session"
    failed=1
fi
if ! tail -n 1 "$output" | grep -q '^focus '; then
    echo "FAIL: the session did not run to its end; last line: $(tail -n 1 "$output")"
    failed=1
fi
echo "$(grep -c . "$output") output lines, valgrind status $status"
exit $failed
