#!/usr/bin/env bash
# The shipped programs: 32-bit, marked for Windows 4.0 (95 and NT 4), and
# importing only from the system's own DLLs. Prints one line per check.
set -uo pipefail
cd "$(dirname "$0")/.."
allowed="ADVAPI32.dll GDI32.dll KERNEL32.dll SHELL32.dll USER32.dll"
passed=0 failed=0
check() {
    if eval "$2"; then echo "  ok: $1"; passed=$((passed + 1)); else echo "  FAILED: $1"; failed=$((failed + 1)); fi
}
for exe in build/win32/setup.exe build/win32/uninstall.exe; do
    dump=$(i686-w64-mingw32-objdump -p "$exe" 2>/dev/null)
    check "$exe exists" "[ -f $exe ]"
    check "$exe is a 32-bit program" "echo \"\$dump\" | grep -q 'file format pei-i386'"
    check "$exe is a GUI program" "echo \"\$dump\" | grep -q 'Subsystem.*Windows GUI'"
    for field in MajorOSystemVersion MajorSubsystemVersion; do
        check "$exe $field is 4" "echo \"\$dump\" | grep -qE '^$field[[:space:]]+4$'"
    done
    for field in MinorOSystemVersion MinorSubsystemVersion; do
        check "$exe $field is 0" "echo \"\$dump\" | grep -qE '^$field[[:space:]]+0$'"
    done
    check "$exe asks for administrator rights" "strings -n 8 $exe | grep -q 'requireAdministrator'"
    check "$exe names the systems it supports" "strings -n 8 $exe | grep -q 'supportedOS'"
    dlls=$(echo "$dump" | sed -n 's/^\tDLL Name: //p')
    check "$exe imports something" "[ -n \"\$dlls\" ]"
    for dll in $dlls; do
        check "$exe imports $dll, a system DLL" "echo ' $allowed ' | grep -qi ' $dll '"
    done
done
echo "binaries: $passed passed, $failed failed"
[ $failed -eq 0 ]
