#!/usr/bin/env bash
# Measures setup.exe and uninstall.exe against an installer built with NSIS
# (makensis) that does the same job: copies the same Data, writes the same
# two uninstall values, writes an uninstaller and starts the product. Prints
# one table, measured in one run on this machine:
#   sizes and imports of the shipped 32-bit programs and of NSIS's 32-bit
#   (x86-ansi) installer and uninstaller, without any Data;
#   under Wine, the median wall time of five runs of: start to window shown;
#   install of a generated Data of 500 files and 50 MB from the click (NSIS:
#   silent, from its start) to the product started; removal from the uninstall
#   command to the install folder gone.
# A report, not a test: it sets no target. Writes the table to
# build/benchmark.md as well.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
scripts/install-deps.sh
scripts/build.sh >/dev/null
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    . scripts/xvfb.sh
    start_xvfb 640x480
fi
. tests/wine/lib.sh
bench=$ROOT/build/benchmark
rm -rf "$bench"
mkdir -p "$bench"
RUNS=5

# --- the NSIS installers ---------------------------------------------------
nsis_script() {  # nsis_script TARGET DATA OUT UNINSTALLER-COPY
    local unicode=false programs='$PROGRAMFILES'
    case $1 in amd64-*) unicode=true programs='$PROGRAMFILES64' ;; esac
    cat <<NSI
Unicode $unicode
Target $1
Name "ZEM"
OutFile "$3"
InstallDir "$programs\\ZEM"
RequestExecutionLevel admin
Page directory
Page instfiles
UninstPage instfiles
Section
  SetOutPath "\$INSTDIR"
  File /nonfatal /r "$2/*"
  WriteRegStr HKLM "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM" "DisplayName" "ZEM"
  WriteRegStr HKLM "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM" "UninstallString" '"\$INSTDIR\\uninst.exe"'
  WriteUninstaller "\$INSTDIR\\uninst.exe"
  Exec '"\$INSTDIR\\ZEM.exe" /c'
SectionEnd
Section "Uninstall"
  DeleteRegKey HKLM "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM"
  RMDir /r "\$INSTDIR"
SectionEnd
!uninstfinalize 'cp "%1" "$4"'
NSI
}
make_nsis() {  # make_nsis TARGET DATA OUT UNINSTALLER-COPY
    nsis_script "$@" > "$bench/$(basename "$3" .exe).nsi"
    makensis -V1 "$bench/$(basename "$3" .exe).nsi" >/dev/null
}
mkdir -p "$bench/empty"
make_nsis x86-ansi "$bench/empty" "$bench/nsis-setup-x86.exe" "$bench/nsis-uninst-x86.exe"

imports() { i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\tDLL Name: //p' | sed 's/\.dll$//I' | tr a-z A-Z | sort | tr '\n' ' ' | sed 's/ $//'; }
size() { stat -c %s "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }

# --- the generated Data ----------------------------------------------------
data=$bench/data
mkdir -p "$data"
cp "$EXE_DIR/ZEM.exe" "$data/"
for i in $(seq 1 498); do
    folder=$data/part$((i % 10))
    mkdir -p "$folder"
    head -c 100400 /dev/urandom > "$folder/file$i.bin"
done
data_files=$(find "$data" -type f | wc -l)
data_bytes=$(du -sb "$data" | cut -f1)
material=$bench/material
mkdir -p "$material"
scripts/make-pictures.sh "$material" >/dev/null
mkdir -p "$material/fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf "$material/fonts/lumidig4.ttf"
scripts/assemble-distribution.sh --programs "$EXE_DIR" "$data" "$material/background_a.bmp" \
    "$material/background_b.bmp" "$material/fonts" "$bench/zem-dist" >/dev/null
cp "$bench/zem-dist/Data/uninstall.exe" "$data/uninstall.exe"  # the same Data for both
data_files=$((data_files + 1))
data_bytes=$(du -sb "$data" | cut -f1)
case $EXE_DIR in
    */win64) nsis_target=amd64-unicode ;;
    *) nsis_target=x86-ansi ;;
esac
make_nsis "$nsis_target" "$data" "$bench/nsis-setup-run.exe" "$bench/nsis-uninst-run.exe"

# --- timing under Wine -------------------------------------------------------
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] }'; }
poll() { while ! "$@"; do sleep 0.02; done; }
product_started() { grep -qs '/c' "$C/zem-runs.txt"; }
stop_product() { "$WINE" taskkill /f /im ZEM.exe >/dev/null 2>&1 || true; rm -f "$C/zem-runs.txt"; }
folder_gone() { [ ! -e "$C/Program Files/ZEM" ]; }
box() { xdotool search --onlyvisible --name '^ZEM$' 2>/dev/null | head -n 1 || true; }
answer_boxes() {  # answers each message box of the uninstaller with Return until the folder is gone
    local id last=
    while ! folder_gone; do
        id=$(box)
        if [ -n "$id" ] && [ "$id" != "$last" ]; then
            xdotool windowfocus "$id" 2>/dev/null || true
            xdotool key --window "$id" Return
            last=$id
        fi
        sleep 0.02
    done
}

zem_window= zem_install= zem_remove=
new_prefix bench-zem
"$WINESERVER" -p
cp -r "$bench/zem-dist" "$C/dist"
for run in $(seq $RUNS); do
    stop_product
    start=$(now)
    (cd "$C/dist" && "$WINE" setup.exe) &
    program=$!
    poll window_shown INSTALL_ZEM
    zem_window+=" $(elapsed "$start" "$(now)")"
    sleep 0.5
    start=$(now)
    xdotool mousemove 320 330 click 1
    poll product_started
    zem_install+=" $(elapsed "$start" "$(now)")"
    wait $program
    stop_product
    start=$(now)
    "$WINE" "$EXE_DIR/system_uninstall.exe" 'C:\bench-result.txt' &
    program=$!
    answer_boxes
    zem_remove+=" $(elapsed "$start" "$(now)")"
    wait $program
done
end_prefix

nsis_window= nsis_install= nsis_remove=
new_prefix bench-nsis
"$WINESERVER" -p
cp "$bench/nsis-setup-run.exe" "$C/nsis-setup.exe"
for run in $(seq $RUNS); do
    stop_product
    start=$(now)
    "$WINE" 'C:\nsis-setup.exe' &
    program=$!
    poll window_shown "ZEM Setup"
    nsis_window+=" $(elapsed "$start" "$(now)")"
    "$WINE" taskkill /f /im nsis-setup.exe >/dev/null 2>&1 || true
    wait $program || true
    start=$(now)
    "$WINE" 'C:\nsis-setup.exe' /S &
    program=$!
    poll product_started
    nsis_install+=" $(elapsed "$start" "$(now)")"
    wait $program
    stop_product
    cp "$C/Program Files/ZEM/uninst.exe" "$bench/nsis-uninst-written.exe"
    start=$(now)
    "$WINE" 'C:\Program Files\ZEM\uninst.exe' /S &
    program=$!
    poll folder_gone
    nsis_remove+=" $(elapsed "$start" "$(now)")"
    wait $program
done
end_prefix

# --- the table ---------------------------------------------------------------
machine="$(uname -m), $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(free -g | awk '/^Mem:/ { print $2 }') GiB, Debian $(cat /etc/debian_version), $("$WINE" --version 2>/dev/null), makensis $(makensis -VERSION)"
row() { printf '| %-44s | %-36s | %-36s | %-5s |\n' "$@"; }
times_row() {  # times_row NAME ZEM-TIMES NSIS-TIMES
    local a b
    a=$(echo "$2" | median) b=$(echo "$3" | median)
    row "$1" "$a s ($(echo $2 | tr ' ' '/'))" "$b s ($(echo $3 | tr ' ' '/'))" "$(ratio "$a" "$b")"
}
{
    echo "Measured $(date -u +%Y-%m-%d) on $machine."
    echo "Wall times: median of $RUNS runs under Wine ($WINE_KIND; NSIS target $nsis_target), all runs in brackets."
    echo "Data: $data_files files, $data_bytes bytes. Ratio: ZEM / NSIS."
    echo
    row "" "ZEM" "NSIS" "ratio"
    row "--------------------------------------------" "------------------------------------" "------------------------------------" "-----"
    row "installer size, 32-bit, without Data" "$(size build/win32/setup.exe) bytes" "$(size "$bench/nsis-setup-x86.exe") bytes" \
        "$(ratio "$(size build/win32/setup.exe)" "$(size "$bench/nsis-setup-x86.exe")")"
    row "uninstaller size, 32-bit" "$(size build/win32/uninstall.exe) bytes" "$(size "$bench/nsis-uninst-x86.exe") bytes" \
        "$(ratio "$(size build/win32/uninstall.exe)" "$(size "$bench/nsis-uninst-x86.exe")")"
    row "installer imports" "$(imports build/win32/setup.exe)" "$(imports "$bench/nsis-setup-x86.exe")" ""
    row "uninstaller imports" "$(imports build/win32/uninstall.exe)" "$(imports "$bench/nsis-uninst-x86.exe")" ""
    times_row "start to window shown" "$zem_window" "$nsis_window"
    times_row "install from the click / start to product" "$zem_install" "$nsis_install"
    times_row "removal from the command to the folder gone" "$zem_remove" "$nsis_remove"
} | tee "$ROOT/build/benchmark.md"
