#!/usr/bin/env bash
# Makes a sample distribution from the project's own material, assembled and
# checked as a packager's would be:
#   make-sample.sh PROGRAMS-FOLDER OUT-FOLDER
# PROGRAMS-FOLDER holds the built setup.exe, uninstall.exe and ZEM.exe
# (build/win32 for the shipped 32-bit programs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=${1:?usage: make-sample.sh PROGRAMS-FOLDER OUT-FOLDER}
out=${2:?usage: make-sample.sh PROGRAMS-FOLDER OUT-FOLDER}
material=$(mktemp -d)
trap 'rm -rf "$material"' EXIT
mkdir -p "$material/product/Docs" "$material/fonts" "$material/pictures"
cp "$programs/ZEM.exe" "$material/product/"
printf 'ZEM\r\nThanks for installing.\r\n' > "$material/product/Docs/readme.txt"
"$root/scripts/make-pictures.sh" "$material/pictures"
# Freely licensed fonts from Debian's fonts-dejavu-core.
cp /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf "$material/fonts/lumidig4.ttf"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$material/fonts/zemsans.ttf"
rm -rf "$out"
"$root/scripts/assemble-distribution.sh" --programs "$programs" "$material/product" \
    "$material/pictures/background_a.bmp" "$material/pictures/background_b.bmp" "$material/fonts" "$out"
echo "sample distribution: $out"
