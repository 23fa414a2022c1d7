#!/usr/bin/env bash
# The assemble command: a sound distribution from a packager's files, one
# that fails its check, and a wrong call.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { if "${@:2}"; then echo "  ok: $1"; else echo "  FAILED: $1"; failures=$((failures + 1)); fi; }
assemble() { "$ROOT/scripts/assemble-distribution.sh" "$@" >"$work/out.txt" 2>&1; echo $?; }

mkdir -p "$work/product/Skins" "$work/fonts" "$work/pictures"
cp "$ROOT/build/win32/ZEM.exe" "$work/product/"
echo skin > "$work/product/Skins/default.skin"
echo "not ours" > "$work/product/Uninstall.exe"
"$ROOT/scripts/make-pictures.sh" "$work/pictures"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$work/fonts/lumidig4.ttf"
pictures=("$work/pictures/background_a.bmp" "$work/pictures/background_b.bmp")

check "a packager's files make a sound distribution" [ "$(assemble "$work/product" "${pictures[@]}" "$work/fonts" "$work/dist")" = 0 ]
check "setup.exe is at its top" cmp -s "$ROOT/build/win32/setup.exe" "$work/dist/setup.exe"
check "the built uninstaller replaces the product files' own" cmp -s "$ROOT/build/win32/uninstall.exe" "$work/dist/Data/uninstall.exe"
check "only one uninstaller is in Data" [ "$(ls "$work/dist/Data" | grep -ci '^uninstall.exe$')" = 1 ]
check "the product's subfolders come along" test -f "$work/dist/Data/Skins/default.skin"
check "the check has said it is sound" grep -q ': sound, 0 errors' "$work/out.txt"

rm "$work/product/ZEM.exe"
check "without ZEM.exe the check fails the command" [ "$(assemble "$work/product" "${pictures[@]}" "$work/fonts" "$work/broken")" = 1 ]
check "and says why" grep -q '^error: Data/ZEM.exe: missing' "$work/out.txt"
check "a folder that is not empty is refused" [ "$(assemble "$work/product" "${pictures[@]}" "$work/fonts" "$work/dist")" = 2 ]
check "a missing argument is a wrong call" [ "$(assemble "$work/product" "${pictures[@]}")" = 2 ]
[ "$failures" -eq 0 ] && echo PASS || { echo "FAIL ($failures)"; exit 1; }
