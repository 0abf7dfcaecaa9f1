#!/usr/bin/env bash
# A display that cannot be opened: one line naming it on stderr and exit code 1, no abort.
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# A display number no X server holds: no socket, no lock file, no abstract socket.
n=190
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] ||
    grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix; do
    n=$((n + 1))
done
code=0
err=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE DISPLAY=:$n "$exe" 2>&1 \
    >/dev/null) || code=$?
expected="$(basename "$exe"): cannot open display \":$n\""
[ "$err" = "$expected" ] || fail "stderr was: <$err>; expected: <$expected>"
[ "$code" -eq 1 ] || fail "exit code $code"
echo "passed: $err, exit code $code"
