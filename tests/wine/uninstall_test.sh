#!/usr/bin/env bash
# The whole road under Wine, on the sample distribution: install with the
# installer, then the uninstall command as the system runs it. Answered No,
# everything stays; answered Yes, the copy in the temporary folder removes the
# folder, the keys and the shortcuts, and leaves itself to the next restart.
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tests/wine/lib.sh"

new_prefix uninstall
# One server session for the whole test: Wine carries out the renames left
# for the next restart when a new session starts.
"$WINESERVER" -p
shots=$WORK/shots-uninstall
mkdir -p "$shots"
"$ROOT/scripts/make-sample.sh" "$EXE_DIR" "$C/sample" >/dev/null
# A temporary folder with a blank, as "Documents and Settings" gave them.
mkdir -p "$C/users/Temp Files"
for name in TEMP TMP; do
    "$WINE" reg add 'HKCU\Environment' /v $name /d 'C:\users\Temp Files' /f >/dev/null 2>&1
done
runs=$C/zem-runs.txt
rm -f "$runs"
view=
[ "$EXE_DIR" = "$ROOT/build/win32" ] && [ -d "$C/windows/syswow64" ] && view=/reg:32
key_exists() { "$WINE" reg query "$1" $view >/dev/null 2>&1; }
entry='HKLM\software\microsoft\windows\currentversion\uninstall\ZEM'
target="$C/Program Files/ZEM"
desktop_link() { ls "$C"/users/*/Desktop/ZEM.lnk >/dev/null 2>&1; }
start_link() { ls "$C"/users/*/AppData/Roaming/Microsoft/Windows/'Start Menu'/ZEM.lnk >/dev/null 2>&1; }
box_id() { xdotool search --onlyvisible --name '^ZEM$' 2>/dev/null | head -n 1; }
box_shown() { [ -n "$(box_id)" ]; }
other_box_shown() { local id; id=$(box_id); [ -n "$id" ] && [ "$id" != "$1" ]; }
answer() {  # answer KEY: a key press to the message box on the screen
    local id
    id=$(box_id)
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --window "$id" "$1"
}
quits() { tr -d '\r' < "$runs" 2>/dev/null | grep -cx quit; }
starts_at_least() { [ "$(tr -d '\r' < "$runs" 2>/dev/null | grep -vcx quit)" -ge "$1" ]; }
key_gone() { ! key_exists "$1"; }
installed() { [ -f "$target/uninstall.exe" ] && key_exists "$entry" && key_exists 'HKCU\Software\ZEM' && desktop_link; }

echo "- install"
install_sample "$WORK/setup-exit"
check "the product made its keys and shortcuts" wait_for 30 installed
check "the product is running" wait_for 10 grep -qsF '/c' "$runs"

echo "- the uninstall command, answered No"
result=$C/uninstall-no.txt
rm -f "$result"
"$WINE" "$EXE_DIR/system_uninstall.exe" 'C:\uninstall-no.txt' &
check "the confirmation appears" wait_for 60 box_shown
sleep 1
screenshot "$shots/confirmation.png"
check "the running product was closed first" [ "$(quits)" -eq 1 ]
confirmation=$(box_id)
answer n
check "the cancel message follows" wait_for 20 other_box_shown "$confirmation"
sleep 1
screenshot "$shots/canceled.png"
answer Return
check "the hand-off ends with exit code 0" wait_for 30 grep -qsx 'hand-off 0' "$result"
check "no copy is started" wait_for 30 grep -qsx 'copy none' "$result"
check "everything is still installed" installed

echo "- the uninstall command, answered Yes"
"$WINE" "$target/ZEM.exe" &
check "the product runs again" wait_for 30 starts_at_least 2
sleep 2
result=$C/uninstall-yes.txt
rm -f "$result"
"$WINE" "$EXE_DIR/system_uninstall.exe" 'C:\uninstall-yes.txt' &
check "the confirmation appears" wait_for 60 box_shown
sleep 1
confirmation=$(box_id)
answer Return
check "the hand-off ends with exit code 0" wait_for 30 grep -qsx 'hand-off 0' "$result"
check "the completion message appears" wait_for 30 other_box_shown "$confirmation"
sleep 1
screenshot "$shots/completed.png"
check "the running product was closed again" [ "$(quits)" -eq 2 ]
check "the uninstall entry is gone once the copy runs" key_gone "$entry"
check "the folder is still there while the message shows" test -d "$target"
answer Return
check "the copy ends with exit code 0" wait_for 60 grep -qsx 'copy 0' "$result"
check "the install folder is gone" test ! -e "$target"
check "Software\\ZEM is gone" key_gone 'HKCU\Software\ZEM'
check "ZEM.FILE is gone" key_gone 'HKCR\ZEM.FILE'
check "the desktop shortcut is gone" eval '! desktop_link'
check "the Start menu shortcut is gone" eval '! start_link'
check "the rest of the Start menu stays" test -d "$(echo "$C"/users/*/AppData/Roaming/Microsoft/Windows/'Start Menu'/Programs)"
pending=$("$WINE" reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations 2>/dev/null | tr -d '\r')
check "the copy is left for deletion at the next restart" bash -c 'echo "$1" | grep -qF "C:\users\Temp Files\uninstall.exe"' _ "$pending"
finish
