#!/usr/bin/env bash
# Makes a distribution from a packager's own product files, then checks it:
#   assemble-distribution.sh [--programs DIR] PRODUCT-FOLDER NORMAL.bmp LIT.bmp FONTS-FOLDER OUT
# PRODUCT-FOLDER holds what belongs in the install folder (ZEM.exe and the
# rest); NORMAL.bmp and LIT.bmp are the installer's screen with every button
# normal and lit; FONTS-FOLDER holds the product's .ttf fonts. OUT, a new or
# empty folder, receives setup.exe, the two pictures, Data (the product files
# and uninstall.exe) and Fonts. DIR holds the built setup.exe and
# uninstall.exe (default build/win32, the shipped 32-bit programs). Ends with
# the check's exit code: 0 sound, 1 not (OUT stays for a look), 2 wrong call.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage() { sed -n '3,4p' "$0" | sed 's/^# *//' >&2; exit 2; }
programs=$root/build/win32
if [ "${1:-}" = "--programs" ]; then
    [ $# -ge 2 ] || usage
    programs=$2
    shift 2
fi
[ $# -eq 5 ] || usage
product=$1 normal=$2 lit=$3 fonts=$4 out=$5
for folder in "$product" "$fonts"; do
    [ -d "$folder" ] || { echo "not a folder: $folder" >&2; exit 2; }
done
for file in "$normal" "$lit" "$programs/setup.exe" "$programs/uninstall.exe"; do
    [ -f "$file" ] || { echo "no such file: $file" >&2; exit 2; }
done
if [ -e "$out" ] && [ -n "$(ls -A "$out" 2>/dev/null)" ]; then
    echo "$out exists and is not empty; give a new folder" >&2
    exit 2
fi
check=$root/build/host/check-distribution
if [ ! -x "$check" ]; then
    cmake -S "$root" -B "$root/build/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$root/build/host" --target check-distribution >/dev/null
fi

mkdir -p "$out/Data" "$out/Fonts"
cp "$programs/setup.exe" "$out/setup.exe"
cp "$normal" "$out/background_a.bmp"
cp "$lit" "$out/background_b.bmp"
cp -R "$product/." "$out/Data/"
# The uninstaller belongs to the installer: it replaces any of that name.
for existing in "$out/Data"/*; do
    if [ "$(basename "$existing" | tr A-Z a-z)" = uninstall.exe ]; then
        echo "note: the product files' own $(basename "$existing") is replaced by the built uninstaller" >&2
        rm -f "$existing"
    fi
done
cp "$programs/uninstall.exe" "$out/Data/uninstall.exe"
shopt -s nullglob nocaseglob
font_files=("$fonts"/*.ttf)
shopt -u nullglob nocaseglob
[ ${#font_files[@]} -gt 0 ] && cp "${font_files[@]}" "$out/Fonts/"
"$check" "$out"
