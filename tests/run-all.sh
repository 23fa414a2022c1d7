#!/usr/bin/env bash
# Sets up everything and runs every test: host tests, the same again under
# AddressSanitizer and UndefinedBehaviorSanitizer, a minute of fuzzing, the
# checks of the Windows programs, and the end-to-end tests under Wine. Fails
# when any part fails.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
scripts/install-deps.sh || { echo "installing the tools failed"; exit 1; }
scripts/build.sh || { echo "the build failed"; exit 1; }

passed=0 failed=0
count() {  # count PASSED FAILED
    passed=$((passed + $1))
    failed=$((failed + $2))
}

run_ctest() {
    echo "== host tests: $1"
    local out
    out=$(cd "$1" && ctest -j "$(nproc)" --output-on-failure 2>&1)
    echo "$out" | tail -n 40
    local line
    line=$(echo "$out" | grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+')
    if [ -z "$line" ]; then
        echo "ctest ran no test in $1"
        count 0 1
        return
    fi
    local bad total
    bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
    total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
    count $((total - bad)) "$bad"
}
run_ctest build/host
run_ctest build/host-sanitize

echo "== fuzzing the uninstaller's command line (60 s)"
mkdir -p build/fuzz/corpus
if build/fuzz/uninstall_fuzzer -max_total_time=60 -artifact_prefix=build/fuzz/ \
        build/fuzz/corpus tests/fuzz/corpus > build/fuzz/last-run.log 2>&1; then
    tail -n 1 build/fuzz/last-run.log
    count 1 0
else
    grep -E 'violated|ERROR|SUMMARY|Test unit written' build/fuzz/last-run.log | head -n 20
    count 0 1
fi

echo "== packaging: the assemble command and the check"
if bash tests/packaging_test.sh; then count 1 0; else count 0 1; fi

echo "== Windows programs"
out=$(tests/check_binaries.sh)
echo "$out"
line=$(echo "$out" | tail -n 1)
count "$(echo "$line" | sed -E 's/.*: ([0-9]+) passed.*/\1/')" "$(echo "$line" | sed -E 's/.* ([0-9]+) failed.*/\1/')"
scripts/report.sh

echo "== end-to-end under Wine"
. scripts/xvfb.sh
start_xvfb 640x480 || { echo "no X screen for the Wine tests"; exit 1; }
. tests/wine/lib.sh
echo "running the $WINE_KIND"
for test in tests/wine/*_test.sh; do
    echo "-- $test"
    if timeout 600 bash "$test"; then count 1 0; else count 0 1; fi
done

echo
echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
