# Sourced by the end-to-end scripts: re-runs the script under a fresh Xvfb unless it already is,
# starts openbox and the program, and sets `win` to the program's window and `app` to its process.
# Expects `exe` and `shots` to be set and the script's own arguments in "$@".

if [ -z "${DISPLAY:-}" ] || [ "${E2E_INNER:-}" != 1 ]; then
    E2E_INNER=1 exec "$(dirname "${BASH_SOURCE[0]}")/../../scripts/with-xvfb" bash "$0" "$@"
fi
mkdir -p "$shots"

fail() { echo "FAIL: $*" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
app=
trap 'kill $app $wm 2>/dev/null || true' EXIT
# The window manager must have taken the screen before the window maps.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
deadline=$((SECONDS + 10))
until wm_up; do
    kill -0 $wm 2>/dev/null || fail "the window manager (openbox) ended at start-up"
    [ "$SECONDS" -lt "$deadline" ] || fail "the window manager (openbox) did not come up within 10 s"
    sleep 0.1
done
"$exe" &
app=$!

win=
deadline=$((SECONDS + 20))
while [ "$SECONDS" -lt "$deadline" ]; do
    win=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
    kill -0 $app 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
[ -n "$win" ] || fail "no window captioned Form1 within 20 s"

# Closes the window as a user would, with Alt+F4 to the window manager, and checks that the
# program then ends with exit code 0.
close_with_alt_f4() {
    local attempt
    for attempt in 1 2 3; do
        timeout 5 xdotool windowactivate --sync "$win" 2>/dev/null ||
            timeout 5 xdotool windowfocus --sync "$win" 2>/dev/null || true
        xdotool key alt+F4
        for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
        kill -0 $app 2>/dev/null || break
        echo "still running after Alt+F4 (attempt $attempt)"
    done
    kill -0 $app 2>/dev/null && fail "the program did not end after Alt+F4"
    local code=0
    wait $app || code=$?
    [ "$code" -eq 0 ] || fail "exit code $code after Alt+F4"
}
