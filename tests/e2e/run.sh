#!/usr/bin/env bash
# scripts/run without a display: it ends by itself within a minute with the program's exit code 0,
# and leaves a screenshot of the window's 531x328 client area inside the frame the window manager
# reports, with the chart painted in it.
set -euo pipefail
run=$1 exe=$2 probe=$3 shots=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$shots"
shot=$shots/run.png

start=$SECONDS
code=0
out=$(SD_RUN_EXE="$exe" SD_RUN_SCREENSHOT="$shot" timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY \
    bash "$run" 2>&1) || code=$?
echo "$out"
echo "scripts/run ended after $((SECONDS - start)) s with exit code $code"
[ "$code" -ne 124 ] || fail "scripts/run did not end within 60 s"
[ "$code" -eq 0 ] || fail "scripts/run ended with exit code $code"
[ -f "$shot" ] || fail "no screenshot at $shot"

# "Screenshot: WxH, the window's frame (left, right, top, bottom: L, R, T, B) included"
extents=$(sed -n 's/.*(left, right, top, bottom: \([0-9, ]*\)).*/\1/p' <<<"$out" | tr -d ,)
read -r l r t b <<<"$extents"
[ -n "${b:-}" ] || fail "scripts/run did not report the frame's extents"
[ "$t" -gt 0 ] || fail "the window has no title bar (frame $extents)"
read -r w h < <("$probe" size "$shot")
echo "screenshot ${w}x$h, frame $l $r $t $b"
[ "$w" -eq $((531 + l + r)) ] && [ "$h" -eq $((328 + t + b)) ] ||
    fail "the screenshot is ${w}x$h, not 531x328 inside a frame of $l, $r, $t, $b"

# Chart2's 517x250 panel, painted inside the client area.
read -r cx cy cw ch < <("$probe" runbox "$shot" 239 239 239 450 530)
[ "${cw:-0}" -eq 517 ] && [ "${ch:-0}" -eq 250 ] || fail "no painted chart panel in $shot"
[ "$cx" -ge "$l" ] && [ "$cy" -ge "$t" ] || fail "the chart panel lies in the frame at $cx,$cy"
echo "PASS: scripts/run ended with exit code 0 and a screenshot of the window in its frame"
