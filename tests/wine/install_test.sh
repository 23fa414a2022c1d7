#!/usr/bin/env bash
# The installation run under Wine, on the sample distribution: files, font,
# uninstall entry, the product started; a distribution without Data; the
# folder dialog closed with Escape.
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tests/wine/lib.sh"

new_prefix install
shots=$WORK/shots-install
mkdir -p "$shots"
"$ROOT/scripts/make-sample.sh" "$EXE_DIR" "$C/sample" >/dev/null
runs=$C/zem-runs.txt
rm -f "$runs"
# A 32-bit program on 64-bit Windows writes under the 32-bit view.
view=
[ "$EXE_DIR" = "$ROOT/build/win32" ] && [ -d "$C/windows/syswow64" ] && view=/reg:32

echo "- install into the default folder"
install_sample "$WORK/install-exit"
check "setup ends with exit code 0" [ "$(cat "$WORK/install-exit" 2>/dev/null)" = "0" ]
target="$C/Program Files/ZEM"
check "ZEM.exe is in the install folder" cmp -s "$C/sample/Data/ZEM.exe" "$target/ZEM.exe"
check "the subfolder arrived with its file" cmp -s "$C/sample/Data/Docs/readme.txt" "$target/Docs/readme.txt"
check "lumidig4.ttf is in the Fonts folder" cmp -s "$C/sample/Fonts/lumidig4.ttf" "$C/windows/Fonts/lumidig4.ttf"
check "the other font is there too" test -f "$C/windows/Fonts/zemsans.ttf"
entry='HKLM\software\microsoft\windows\currentversion\uninstall\ZEM'
query() { "$WINE" reg query "$entry" /v "$1" $view 2>/dev/null | tr -d '\r'; }
check "DisplayName is ZEM" bash -c "[[ \"\$1\" =~ DisplayName[[:space:]]+REG_SZ[[:space:]]+ZEM\$ ]]" _ "$(query DisplayName | grep DisplayName)"
uninstall_string=$(query UninstallString | sed -n 's/.*REG_SZ[[:space:]]*//p')
check "UninstallString is the quoted command ($uninstall_string)" \
    [ "$uninstall_string" = '"C:\Program Files\ZEM\uninstall.exe" /uninstall' ]
check "the product was started with /c" wait_for 30 grep -qsF '"C:\Program Files\ZEM\ZEM.exe" /c' "$runs"
check "the product wrote its key" wait_for 30 bash -c "'$WINE' reg query 'HKCU\\Software\\ZEM' >/dev/null 2>&1"
check "the product wrote its file type" bash -c "'$WINE' reg query 'HKCR\\ZEM.FILE\\Shell\\Open\\Command' >/dev/null 2>&1"
check "the product made its desktop shortcut" wait_for 30 bash -c "ls '$C'/users/*/Desktop/ZEM.lnk >/dev/null 2>&1"
check "the product made its Start menu shortcut" bash -c "ls '$C'/users/*/AppData/Roaming/Microsoft/Windows/'Start Menu'/ZEM.lnk >/dev/null 2>&1"
end_prefix

echo "- a distribution without Data"
rm -rf "$C/sample/Data" "$target"
rm -f "$WORK/install-exit"
(cd "$C/sample" && "$WINE" setup.exe; echo $? > "$WORK/install-exit") &
check "the installer window appears" wait_for 60 window_shown INSTALL_ZEM
sleep 1
screenshot "$shots/before.png"
xdotool mousemove 320 330 click 1
sleep 3
check "the window stays after the install button" window_shown INSTALL_ZEM
screenshot "$shots/after-failed-copy.png"
check "the status line shows the install folder again" same_text "$shots/after-failed-copy.png" 180 270 260 30 "$shots/before.png" 180 270
check "nothing was installed" test ! -e "$target"

echo "- the folder dialog, closed with Escape"
xdotool mousemove 210 330 click 1
check "the folder dialog opens" wait_for 20 bash -c '[ "$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)" -gt 1 ]'
sleep 1
screenshot "$shots/folder-dialog.png"
xdotool key Escape
check "the folder dialog closes" wait_for 20 bash -c '[ "$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)" -eq 1 ]'
sleep 1
screenshot "$shots/after-escape.png"
check "the status line is unchanged" same_text "$shots/after-escape.png" 180 270 260 30 "$shots/before.png" 180 270
xdotool mousemove 420 330 click 1
check "the exit button ends setup" wait_for 30 test -s "$WORK/install-exit"
check "setup ends with exit code 0" [ "$(cat "$WORK/install-exit" 2>/dev/null)" = "0" ]
finish
