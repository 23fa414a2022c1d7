#!/usr/bin/env bash
# Builds everything: the host build with its tests (plain and with
# AddressSanitizer and UndefinedBehaviorSanitizer), the uninstaller's fuzz
# target (clang and libFuzzer), the 32-bit Windows
# programs, and the 64-bit build of the same sources for machines that cannot
# run 32-bit code under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/host -j "$jobs"
cmake -S . -B build/host-sanitize -DCMAKE_BUILD_TYPE=Debug -DZEM_SANITIZE=ON >/dev/null
cmake --build build/host-sanitize -j "$jobs"
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEM_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/win32 -j "$jobs"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/win64 -j "$jobs"
