#!/usr/bin/env bash
# The end of a session: SIGTERM (log-off), SIGHUP (hang-up) and SIGINT (interrupt from a terminal)
# each end the message loop; the form and its components are destroyed as after a close, and the
# exit code is 0. The probe runs the main block through RunProgram and reports on stderr when it is
# in its message loop and when the form's components are destroyed.
set -euo pipefail
probe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
# A shell without job control starts background commands with SIGINT ignored, which they keep.
set -m

err=$(mktemp)
pid=
trap '[ -z "$pid" ] || kill -KILL $pid 2>/dev/null || true; rm -f "$err"' EXIT
for signal in TERM HUP INT; do
    : >"$err"
    QT_QPA_PLATFORM=offscreen "$probe" 2>"$err" &
    pid=$!
    for _ in $(seq 300); do
        grep -q '^in loop' "$err" && break
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    grep -q '^in loop' "$err" || { cat "$err" >&2; fail "SIG$signal: the probe never reached its loop"; }
    kill -$signal $pid
    for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && fail "SIG$signal: still running 10 s after the signal"
    code=0
    wait $pid || code=$?
    pid=
    [ "$code" -eq 0 ] || { cat "$err" >&2; fail "SIG$signal: exit code $code"; }
    grep -qx destroyed "$err" || { cat "$err" >&2; fail "SIG$signal: the form's components were not destroyed"; }
    echo "SIG$signal: exit code 0, form destroyed"
done
