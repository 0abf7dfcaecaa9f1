#!/usr/bin/env bash
# The program's window under a real X server and window manager: it opens on the bar chart, a key
# press moves TrackBar3 and the bar "Qd" with it, and Alt+F4 ends the process with exit code 0.
set -euo pipefail
exe=$1 probe=$2 shots=$3
source "$(dirname "$0")/session.sh"
# Keys go through the X server to the focused window, as a user's would.
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"

shot() { import -window "$win" "$shots/$1.png"; }
# Height of the bar "Qd" over that of "Qs", in hundredths: the value axis rescales to the taller
# bar, so the ratio is what follows the prices.
ratio() { "$probe" bars "$shots/$1.png" 68 102 163 | awk 'NR==1 {d=$4-$3} NR==2 {s=$4-$3} END {if (s > 0) printf "%d", 100*d/s}'; }
# Takes screenshots until the bars show a ratio within LOW..HIGH (the window paints on its own
# time); prints the last ratio seen and fails if it never got there.
await_ratio() {
    local name=$1 low=$2 high=$3 r=
    for _ in $(seq 50); do
        shot "$name"
        r=$(ratio "$name")
        [ -n "$r" ] && [ "$r" -ge "$low" ] && [ "$r" -le "$high" ] && { echo "$r"; return 0; }
        sleep 0.1
    done
    echo "${r:-no bars}"
    return 1
}

# The window carries the program's icon in the sizes a title bar and a task bar use.
icons=$(xprop -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
echo "window icons: $icons"
for size in 16 24 32 48; do
    [[ "$icons" == *"($size x $size)"* ]] || fail "no $size px window icon"
done

# 4750 against 1600 at the first showing: the left bar is about three times the right one.
first=$(await_ratio first 280 315) || fail "Qd/Qs should be about 2.97, not $first/100"
read -r w h < <("$probe" size "$shots/first.png")
echo "client area: ${w}x${h}"
echo "bars at first showing:"
"$probe" bars "$shots/first.png" 68 102 163

# Focus goes from the page control to TrackBar3; three steps to the right make the price 3.
xdotool key Tab
xdotool key Right Right Right
# 3700 against 1600.
moved=$(await_ratio moved 216 246) || fail "Qd/Qs should be about 2.31 after TrackBar3 moved to 3, not $moved/100"
echo "Qd/Qs in hundredths: $first at price 0, $moved at price 3"

close_with_alt_f4
echo "PASS: window, track bar and exit code 0"
