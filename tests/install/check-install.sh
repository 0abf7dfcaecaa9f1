#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what a desktop needs of it: the executable, a
# valid desktop entry that starts it and names an icon, and that icon in the hicolor theme in
# every size the program's .ico holds, each PNG of its own size.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

exe=$prefix/bin/supply-demand
[ -x "$exe" ] || fail "no executable at $exe"

entry=$prefix/share/applications/supply-demand.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Type)" = Application ] || fail "the desktop entry is not of type Application"
[ "$(key Exec)" = supply-demand ] || fail "the desktop entry starts '$(key Exec)'"
grep -qx 'Categories=.*Education;.*' "$entry" || fail "the desktop entry is not in Education"
[ -n "$(key Name)" ] || fail "the desktop entry has no name"
icon=$(key Icon)
[ -n "$icon" ] || fail "the desktop entry names no icon"

for size in 16 24 32 48 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    [ -f "$png" ] || fail "no ${size}x$size icon at $png"
    got=$(identify -format '%m %wx%h' "$png")
    [ "$got" = "PNG ${size}x$size" ] || fail "$png is $got, not a ${size}x$size PNG"
done
extra=$(find "$prefix/share/icons" -name '*.png' | wc -l)
[ "$extra" -eq 5 ] || fail "$extra icon images installed, not the 5 sizes of the .ico"
echo "PASS: bin/supply-demand, a valid desktop entry naming icon $icon, and its 5 sizes"
