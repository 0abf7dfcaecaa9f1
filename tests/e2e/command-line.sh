#!/usr/bin/env bash
# Qt's own command-line options change nothing: the program takes no command line. The probe runs
# the main block through RunProgram, given the options for a caption, a window geometry and a
# right-to-left layout; the window keeps the layout's caption and client size, the layout stays
# left-to-right, and the application's title still comes from the executable's name.
set -euo pipefail
probe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

err=$(mktemp)
QT_QPA_PLATFORM=offscreen "$probe" -qwindowtitle Other -qwindowgeometry 300x200+0+0 -reverse \
    2>"$err" &
pid=$!
trap 'kill -KILL $pid 2>/dev/null || true; rm -f "$err"' EXIT
for _ in $(seq 300); do
    grep -q '^in loop' "$err" && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
line=$(grep '^in loop' "$err") || { cat "$err" >&2; fail "the probe never reached its message loop"; }
expected='in loop: caption "Form1", left-to-right, client 531x328, title "e2e_startup_probe"'
[ "$line" = "$expected" ] || fail "got: $line; expected: $expected"
echo "passed: $line"
