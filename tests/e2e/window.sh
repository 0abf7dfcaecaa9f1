#!/usr/bin/env bash
# The program's window under a real X server and window manager: it opens on the bar chart, a key
# press moves TrackBar3 and the bar "Qd" with it, and Alt+F4 ends the process with exit code 0.
set -euo pipefail
exe=$1 probe=$2 shots=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ] || [ "${E2E_INNER:-}" != 1 ]; then
    E2E_INNER=1 exec "$here/../../scripts/with-xvfb" bash "$0" "$@"
fi
mkdir -p "$shots"

fail() { echo "FAIL: $*" >&2; exit 1; }

openbox >/dev/null 2>&1 &
wm=$!
"$exe" &
app=$!
trap 'kill $app $wm 2>/dev/null || true' EXIT

win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n1) ||
    fail "no window captioned Form1"
sleep 0.5 # let the first paint land
xdotool windowactivate --sync "$win" 2>/dev/null || true

shot() { import -window "$win" "$shots/$1.png"; }
qd_height() { "$probe" bars "$shots/$1.png" 68 102 163 | awk 'NR==1 {print $4-$3}'; }

shot first
read -r w h < <("$probe" size "$shots/first.png")
echo "client area: ${w}x${h}"
bars=$("$probe" bars "$shots/first.png" 68 102 163)
echo "bars at first showing:"; echo "$bars"
[ "$(echo "$bars" | wc -l)" -ge 2 ] || fail "two blue bars expected on TabSheet2"
first=$(qd_height first)
second=$(echo "$bars" | awk 'NR==2 {print $4-$3}')
# 4750 against 1600: the left bar is about three times the right one.
[ "$first" -gt $((second * 2)) ] || fail "bar Qd ($first px) should be far taller than Qs ($second px)"

# Focus goes from the page control to TrackBar3; three steps to the right make the price 3.
xdotool key --window "$win" Tab
sleep 0.2
xdotool key --window "$win" Right Right Right
sleep 0.5
shot moved
moved=$(qd_height moved)
echo "bar Qd: $first px at price 0, $moved px at price 3"
[ "$moved" -lt "$first" ] || fail "bar Qd did not shrink when TrackBar3 moved"

xdotool key --window "$win" alt+F4
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
kill -0 $app 2>/dev/null && fail "the program did not end after Alt+F4"
set +e
wait $app
code=$?
set -e
[ "$code" -eq 0 ] || fail "exit code $code after Alt+F4"
echo "PASS: window, track bar and exit code 0"
