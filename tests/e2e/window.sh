#!/usr/bin/env bash
# The program's window under a real X server and window manager: it opens on the bar chart, a key
# press moves TrackBar3 and the bar "Qd" with it, and Alt+F4 ends the process with exit code 0.
set -euo pipefail
exe=$1 probe=$2 shots=$3
source "$(dirname "$0")/session.sh"
sleep 0.5 # let the first paint land
# Keys go through the X server to the focused window, as a user's would.
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"

shot() { import -window "$win" "$shots/$1.png"; }
# Height of the bar "Qd" over that of "Qs", in hundredths: the value axis rescales to the taller
# bar, so the ratio is what follows the prices.
ratio() { "$probe" bars "$shots/$1.png" 68 102 163 | awk 'NR==1 {d=$4-$3} NR==2 {s=$4-$3} END {printf "%d", 100*d/s}'; }

# The window carries the program's icon in the sizes a title bar and a task bar use.
icons=$(xprop -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
echo "window icons: $icons"
for size in 16 24 32 48; do
    [[ "$icons" == *"($size x $size)"* ]] || fail "no $size px window icon"
done

shot first
read -r w h < <("$probe" size "$shots/first.png")
echo "client area: ${w}x${h}"
bars=$("$probe" bars "$shots/first.png" 68 102 163)
echo "bars at first showing:"; echo "$bars"
[ "$(echo "$bars" | wc -l)" -ge 2 ] || fail "two blue bars expected on TabSheet2"
first=$(ratio first)
# 4750 against 1600: the left bar is about three times the right one.
[ "$first" -ge 280 ] && [ "$first" -le 315 ] || fail "Qd/Qs should be about 2.97, not $first/100"

# Focus goes from the page control to TrackBar3; three steps to the right make the price 3.
xdotool key Tab
sleep 0.2
xdotool key Right Right Right
sleep 0.5
shot moved
moved=$(ratio moved)
echo "Qd/Qs in hundredths: $first at price 0, $moved at price 3"
# 3700 against 1600.
[ "$moved" -ge 216 ] && [ "$moved" -le 246 ] || fail "Qd/Qs should be about 2.31 after TrackBar3 moved to 3"

xdotool key alt+F4
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
kill -0 $app 2>/dev/null && fail "the program did not end after Alt+F4"
set +e
wait $app
code=$?
set -e
[ "$code" -eq 0 ] || fail "exit code $code after Alt+F4"
echo "PASS: window, track bar and exit code 0"
