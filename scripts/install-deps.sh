#!/usr/bin/env bash
# Installs what building and testing need from Debian's archive. Idempotent:
# does nothing when everything is there already.
set -euo pipefail
packages=(cmake make g++ libgtest-dev clang libclang-rt-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
          wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick fonts-dejavu-core nsis)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
if [ "$(id -u)" != 0 ]; then sudo=sudo; else sudo=; fi
$sudo dpkg --add-architecture i386
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
