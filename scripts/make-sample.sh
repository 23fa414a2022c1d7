#!/usr/bin/env bash
# Makes a sample distribution from the project's own material:
#   make-sample.sh PROGRAMS-FOLDER OUT-FOLDER
# PROGRAMS-FOLDER holds the built setup.exe and ZEM.exe (build/win32 for the
# shipped 32-bit programs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=${1:?usage: make-sample.sh PROGRAMS-FOLDER OUT-FOLDER}
out=${2:?usage: make-sample.sh PROGRAMS-FOLDER OUT-FOLDER}
rm -rf "$out"
mkdir -p "$out/Data/Docs" "$out/Fonts"
cp "$programs/setup.exe" "$out/"
"$root/scripts/make-pictures.sh" "$out"
cp "$programs/ZEM.exe" "$out/Data/"
[ -f "$programs/uninstall.exe" ] && cp "$programs/uninstall.exe" "$out/Data/"
printf 'ZEM\r\nThanks for installing.\r\n' > "$out/Data/Docs/readme.txt"
# Freely licensed fonts from Debian's fonts-dejavu-core.
cp /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf "$out/Fonts/lumidig4.ttf"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$out/Fonts/zemsans.ttf"
echo "sample distribution: $out"
