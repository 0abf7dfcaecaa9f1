#!/usr/bin/env bash
# The window on a screen of a higher resolution, set as desktops set it: Xft.dpi in the X
# resources, which is what Qt reads on X11 (Xvfb's -dpi alone changes nothing Qt looks at).
# Qt scales by whole factors only, and the form scales the rest by its own rule: the font height
# by dpi/96, then the client area and every control's edges by h/13, h being the pixel height of
# "0" in the scaled font.
#
# h depends on the fonts: the expected figures hold for DejaVu Sans from fonts-dejavu-core, which
# scripts/install-deps installs and which fontconfig gives for the layout's font: at 120 dpi the
# font is 14 px and h is 16; at 144 dpi 17 px and h 20.
# Usage: resolution.sh EXE PROBE SHOTS DPI
set -euo pipefail
exe=$1 probe=$2 shots=$3 dpi=$4

if [ "${E2E_INNER:-}" != 1 ]; then
    # A fresh Xvfb with the resolution in its resources (it does not reset, so they stay).
    exec "$(dirname "$0")/../../scripts/with-xvfb" bash -c '
        echo "Xft.dpi: $1" | xrdb -nocpp -merge
        unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING \
            QT_SCALE_FACTOR_ROUNDING_POLICY QT_FONT_DPI
        E2E_INNER=1 exec bash "$0" "${@:2}"
    ' "$0" "$dpi" "$@"
fi

font=$(fc-match -f '%{family}' Tahoma)
case "$dpi" in
120) h=16 ;;
144) h=20 ;;
*) echo "no expected figures for $dpi dpi" >&2; exit 2 ;;
esac
[[ "$font" == "DejaVu Sans"* ]] || {
    echo "FAIL: the layout's font is $font here; the expected figures are for DejaVu Sans" >&2
    exit 1
}

source "$(dirname "$0")/session.sh"

# MulDiv(a, b, c) for positive values: a * b / c rounded to the nearest, halves up.
muldiv() { echo $((($1 * $2 * 2 + $3) / ($3 * 2))); }
# The scaled extent of an edge pair, as the form scales a control's bounds: both edges scaled.
scaled_extent() { echo $(($(muldiv $(($1 + $2)) "$h" 13) - $(muldiv "$1" "$h" 13))); }

want_w=$(muldiv 531 "$h" 13) want_h=$(muldiv 328 "$h" 13)
# Chart2 at 3,3 517x250 on TabSheet2; Label4 at 358 on the same page.
chart_w=$(scaled_extent 3 517) chart_h=$(scaled_extent 3 250)
label4_from_chart=$(($(muldiv 358 "$h" 13) - $(muldiv 3 "$h" 13)))

# Chart2 paints its whole panel in the button-face colour: the bounding box of the runs of that
# colour as long as the chart's width, give or take a few pixels, is the chart.
face="239 239 239"
box=
for _ in $(seq 50); do
    import -window "$win" "$shots/resolution-$dpi.png"
    box=$("$probe" runbox "$shots/resolution-$dpi.png" $face $((chart_w - 4)) $((chart_w + 4)))
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no chart panel about $chart_w wide in $shots/resolution-$dpi.png"

read -r w hgt <<<"$("$probe" size "$shots/resolution-$dpi.png")"
read -r cx cy cw ch <<<"$box"
echo "at $dpi dpi: client area ${w}x$hgt (the rule: ${want_w}x$want_h);" \
    "Chart2 ${cw}x$ch at $cx,$cy (the rule: ${chart_w}x$chart_h)"
[ "$w" -eq "$want_w" ] && [ "$hgt" -eq "$want_h" ] ||
    fail "the client area is ${w}x$hgt, not ${want_w}x$want_h"
[ "$cw" -eq "$chart_w" ] && [ "$ch" -eq "$chart_h" ] ||
    fail "Chart2 is ${cw}x$ch, not ${chart_w}x$chart_h"

# Label4's caption "0" starts at the label's left edge (or one pixel right of it), at the scaled
# distance from Chart2's left edge.
label=$("$probe" ink "$shots/resolution-$dpi.png" $((cx + label4_from_chart - 8)) $((cy + ch)) 20 \
    $((h * 3)) 232)
[ -n "$label" ] || fail "no caption of Label4 below Chart2"
read -r lx _ _ _ <<<"$label"
offset=$((lx - cx))
echo "Label4's caption starts $offset px right of Chart2 (the rule: $label4_from_chart)"
[ "$offset" -ge "$label4_from_chart" ] && [ "$offset" -le $((label4_from_chart + 1)) ] ||
    fail "Label4's caption starts $offset px right of Chart2, not $label4_from_chart"

close_with_alt_f4
echo "PASS: at $dpi dpi the client area and Chart2 are as the form's scaling rule makes them"
