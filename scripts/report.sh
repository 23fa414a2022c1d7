#!/usr/bin/env bash
# Prints the size and the import list of each shipped program.
set -euo pipefail
cd "$(dirname "$0")/.."
for exe in build/win32/setup.exe build/win32/uninstall.exe; do
    [ -f "$exe" ] || { echo "$exe: not built"; continue; }
    size=$(stat -c %s "$exe")
    imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort | tr '\n' ' ')
    printf "%-28s %6d bytes (%s KiB)  imports: %s\n" "$exe" "$size" "$(awk "BEGIN { printf \"%.1f\", $size / 1024 }")" "$imports"
done
