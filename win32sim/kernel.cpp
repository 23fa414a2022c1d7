// Simulated KERNEL32: strings, the program's own path and command line, the
// clock, the end of the process.
#include "internal.h"

using namespace sim;

int WINAPI lstrlenA(LPCSTR Text) { return Text ? (int)strlen(Text) : 0; }
LPSTR WINAPI lstrcpyA(LPSTR Target, LPCSTR Source) { return strcpy(Target, Source); }
LPSTR WINAPI lstrcatA(LPSTR Target, LPCSTR Source) { return strcat(Target, Source); }
int WINAPI lstrcmpA(LPCSTR First, LPCSTR Second)
{
    // The system compares by its locale; for the ASCII texts compared here
    // that agrees with a byte comparison in its sign.
    int Result = strcmp(First, Second);
    return Result < 0 ? -1 : Result > 0;
}
int WINAPI lstrcmpiA(LPCSTR First, LPCSTR Second)
{
    int Result = strcmp(Lower(First).c_str(), Lower(Second).c_str());
    return Result < 0 ? -1 : Result > 0;
}

LPSTR WINAPI GetCommandLineA(void)
{
    Enter("GetCommandLineA");
    return M().commandLine.data();
}

DWORD WINAPI GetModuleFileNameA(HMODULE Module, LPSTR FileName, DWORD Size)
{
    Enter("GetModuleFileNameA", {(intptr_t)Module, (intptr_t)Size});
    const std::string &Path = M().programPath;
    if (Path.size() < Size) {
        memcpy(FileName, Path.c_str(), Path.size() + 1);
        return (DWORD)Path.size();
    }
    // Windows XP's behaviour, the harshest: truncated, without a NUL.
    memcpy(FileName, Path.c_str(), Size);
    return Size;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR ModuleName)
{
    Enter("GetModuleHandleA");
    return ModuleName ? NULL : (HMODULE)(intptr_t)0x400000;
}

void WINAPI GetStartupInfoA(LPSTARTUPINFOA StartupInfo)
{
    Enter("GetStartupInfoA");
    memset(StartupInfo, 0, sizeof *StartupInfo);
    StartupInfo->cb = sizeof *StartupInfo;
    StartupInfo->dwFlags = M().hasShow ? STARTF_USESHOWWINDOW : 0;
    StartupInfo->wShowWindow = M().show;
}

void WINAPI ExitProcess(UINT ExitCode)
{
    Enter("ExitProcess", {(intptr_t)ExitCode});
    throw ProcessExit{ExitCode};
}

DWORD WINAPI GetVersion(void)
{
    Enter("GetVersion");
    // Windows 95 sets the high bit; NT 5.1 build 2600 otherwise.
    return M().windows95 ? 0xC3B60004u : 0x0A280105u;
}

DWORD WINAPI GetLastError(void) { return M().lastError; }
void WINAPI SetLastError(DWORD Error) { M().lastError = Error; }

void WINAPI Sleep(DWORD Milliseconds)
{
    Enter("Sleep", {(intptr_t)Milliseconds});
    M().clock += Milliseconds;
}

BOOL WINAPI IsDBCSLeadByte(BYTE Character)
{
    (void)Character;
    return FALSE;
}

UINT WINAPI WinExec(LPCSTR CommandLine, UINT Show)
{
    Enter("WinExec", {(intptr_t)Show}, {CommandLine});
    return M().winExecResult;
}
