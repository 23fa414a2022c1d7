// Test tool: runs a product's uninstall command the way the system's list of
// installed programs does (the "UninstallString" value, handed whole to
// CreateProcess), waits for it, then for the copy of the uninstaller that it
// starts, and writes both exit codes to the file named by the argument:
//   hand-off 0
//   copy 0        ("copy none" when no copy started within ten seconds)
#include <windows.h>
#include <tlhelp32.h>
#include <stdio.h>
#include <string.h>

static DWORD FindCopy(DWORD HandOff)
{
    HANDLE Snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 Entry;
    Entry.dwSize = sizeof Entry;
    DWORD Found = 0;
    for (BOOL More = Process32First(Snapshot, &Entry); More; More = Process32Next(Snapshot, &Entry))
        if (Entry.th32ProcessID != HandOff && _stricmp(Entry.szExeFile, "uninstall.exe") == 0)
            Found = Entry.th32ProcessID;
    CloseHandle(Snapshot);
    return Found;
}

int main(int Count, char **Arguments)
{
    if (Count != 2)
        return 2;
    FILE *Out = fopen(Arguments[1], "wb");
    char Command[1024];
    DWORD Size = sizeof Command - 1;
    if (!Out || RegGetValueA(HKEY_LOCAL_MACHINE, "software\\microsoft\\windows\\currentversion\\uninstall\\ZEM",
                             "UninstallString", RRF_RT_REG_SZ, NULL, Command, &Size) != ERROR_SUCCESS)
        return 1;
    STARTUPINFOA Startup = {};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Process;
    if (!CreateProcessA(NULL, Command, NULL, NULL, FALSE, 0, NULL, NULL, &Startup, &Process))
        return 1;
    WaitForSingleObject(Process.hProcess, INFINITE);
    DWORD Exit;
    GetExitCodeProcess(Process.hProcess, &Exit);
    fprintf(Out, "hand-off %ld\n", (long)(LONG)Exit);
    fflush(Out);
    DWORD Copy = 0;
    for (int Try = 0; Try < 40 && !Copy; Try++) {
        Copy = FindCopy(Process.dwProcessId);
        if (!Copy)
            Sleep(250);
    }
    HANDLE CopyProcess = Copy ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, Copy) : NULL;
    if (!CopyProcess) {
        fprintf(Out, "copy none\n");
        return 0;
    }
    WaitForSingleObject(CopyProcess, INFINITE);
    GetExitCodeProcess(CopyProcess, &Exit);
    fprintf(Out, "copy %ld\n", (long)(LONG)Exit);
    return 0;
}
