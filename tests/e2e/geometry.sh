#!/usr/bin/env bash
# The window's geometry under a real X server at 96 dpi with a window manager: a client area of
# 531x328, and the chart, the labels and the track bars of TabSheet2 where the layout puts them.
#
# How positions are found in a screenshot of the client area:
# - TabSheet2's origin: Chart2 paints its whole 517x250 panel in the button-face colour, so rows of
#   it hold runs of that colour 450 to 530 pixels long, which nothing else does at the two window
#   widths used here (the tab bar's background beside the tabs is such a run when the window is
#   about 610 to 690 wide). The bounding box of those runs is the chart; the page's origin lies
#   3,3 up and left of it (Chart2 is at 3,3 on the page).
# - A label: the bounding box of the dark pixels of its caption "0", looked for between the end of
#   TrackBar3 (or Label4's left) and the next control. The glyph starts at the label's left edge
#   and a few pixels below its top (the font's ascent over the digit's height).
# - A track bar: at position 0 its thumb sits at the left end of the channel, so the leftmost
#   pixel drawn darker than the page in the bar's area is the bar's left edge, and the topmost is
#   the thumb's top; the tick marks lie further down and are left out of the search.
set -euo pipefail
exe=$1 probe=$2 shots=$3
source "$(dirname "$0")/session.sh"
# within VALUE LOW HIGH WHAT
within() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ] || fail "$4: $1 is not within $2..$3"; }

# The button-face colour of the chart's panel, and the grey level below which a pixel counts as
# drawn on the page (the page itself is nearly white).
face="239 239 239"
ink=232

# Takes a screenshot until the chart has been painted; prints the chart's box.
chart_box() {
    local box=
    for _ in $(seq 50); do
        import -window "$win" "$shots/$1.png"
        box=$("$probe" runbox "$shots/$1.png" $face 450 530)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "no chart panel in $shots/$1.png"
    echo "$box"
}

# ink_box SHOT LEFT TOP WIDTH HEIGHT, in TabSheet2's coordinates; prints the box in the same.
ink_box() {
    local box
    box=$("$probe" ink "$shots/$1.png" $(($2 + ox)) $(($3 + oy)) "$4" "$5" $ink)
    [ -n "$box" ] || fail "nothing drawn at $2,$3 ${4}x$5 on TabSheet2 in $1"
    read -r l t w h <<<"$box"
    echo "$((l - ox)) $((t - oy)) $w $h"
}

# check SHOT: every control of TabSheet2 where the layout puts it.
check_page() {
    local shot=$1 box
    box=$(chart_box "$shot")
    read -r cx cy cw ch <<<"$box"
    [ "$cw" -eq 517 ] && [ "$ch" -eq 250 ] || fail "Chart2 is ${cw}x$ch, not 517x250, in $shot"
    ox=$((cx - 3)) oy=$((cy - 3))
    echo "$shot: TabSheet2 at $ox,$oy in the client area; Chart2 at 3,3 517x250"

    box=$(ink_box "$shot" 155 255 40 40)
    read -r l3 t3 _ _ <<<"$box"
    box=$(ink_box "$shot" 340 255 25 40)
    read -r l4 t4 _ _ <<<"$box"
    echo "$shot: caption of Label3 drawn from $l3,$t3, of Label4 from $l4,$t4"
    within "$l3" 159 160 "left of Label3's caption"
    within "$l4" 358 359 "left of Label4's caption"
    within "$t3" 259 264 "top of Label3's caption"
    [ "$t4" -eq "$t3" ] || fail "the labels' captions start at different heights: $t3 and $t4"

    box=$(ink_box "$shot" 0 255 60 30)
    read -r b3x b3y _ _ <<<"$box"
    box=$(ink_box "$shot" 366 255 60 30)
    read -r b4x b4y _ _ <<<"$box"
    echo "$shot: thumb of TrackBar3 from $b3x,$b3y, of TrackBar4 from $b4x,$b4y"
    within "$b3x" 3 4 "left of TrackBar3"
    within "$b4x" 370 371 "left of TrackBar4"
    within "$b3y" 259 $((259 + 45 - 20)) "top of TrackBar3's thumb"
    [ "$b4y" -eq "$b3y" ] || fail "the track bars' thumbs are at different heights: $b3y and $b4y"
    # 367 apart, as the layout has them.
    [ $((b4x - b3x)) -eq 367 ] || fail "the track bars are $((b4x - b3x)) apart, not 367"
}

chart_box geometry-first >/dev/null
size=$("$probe" size "$shots/geometry-first.png")
read -r w h <<<"$size"
echo "client area: ${w}x$h"
[ "$w" -eq 531 ] && [ "$h" -eq 328 ] || fail "the client area is ${w}x$h, not 531x328"
check_page geometry-first
first_origin="$ox $oy"

# Opened normal, where the window manager chose, with every decoration of a main window.
state=$(xprop -id "$win" _NET_WM_STATE)
echo "$state"
! grep -Eq 'MAXIMIZED|HIDDEN|FULLSCREEN' <<<"$state" || fail "the window did not open normal"
actions=$(xprop -id "$win" _NET_WM_ALLOWED_ACTIONS)
for action in RESIZE MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT CLOSE; do
    grep -q "_NET_WM_ACTION_$action" <<<"$actions" || fail "the window cannot $action: $actions"
done
hints=$(xprop -id "$win" WM_NORMAL_HINTS)
! grep -Eq 'specified location|minimum size|maximum size' <<<"$hints" ||
    fail "the window asks for a place or a size limit: $hints"

# Larger: the page control follows, nothing on the page moves or grows. The X server shows the
# new size at once, with the old pixels in the corner, so the checks wait for the new frame: the
# page control's frame running down the new right edge of the client area.
right_edge() {
    local frame
    frame=$("$probe" ink "$shots/$1.png" 699 $((oy + 20)) 1 300 200)
    [ -n "$frame" ] && [ "$(cut -d' ' -f4 <<<"$frame")" -eq 300 ]
}
xdotool windowsize --sync "$win" 700 450
for _ in $(seq 50); do
    import -window "$win" "$shots/geometry-resized.png"
    size=$("$probe" size "$shots/geometry-resized.png")
    read -r w h <<<"$size"
    [ "$w" -eq 700 ] && [ "$h" -eq 450 ] && right_edge geometry-resized && break
    sleep 0.1
done
[ "$w" -eq 700 ] && [ "$h" -eq 450 ] || fail "the window did not take 700x450 (${w}x$h)"
right_edge geometry-resized || fail "no page control frame along the right edge after resizing"
check_page geometry-resized
[ "$ox $oy" = "$first_origin" ] || fail "TabSheet2 moved from $first_origin to $ox $oy"

close_with_alt_f4
echo "PASS: client area 531x328; TabSheet2's chart, labels and track bars in place, also resized"
