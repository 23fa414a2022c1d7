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

namespace sim {
void SetTempPath(const std::string &Path) { M().tempPath = Path; }
void SetDoubleByteCodePage(bool DoubleByte) { M().doubleByte = DoubleByte; }

static std::string ProfileSlot(const std::string &File, const std::string &Section, const std::string &Key)
{
    // A bare file name lies in the Windows folder.
    std::string Path = File.find('\\') == std::string::npos ? "C:\\WINDOWS\\" + File : FullPath(File);
    return Lower(Path + "|" + Section + "|" + Key);
}

Value ProfileString(const std::string &File, const std::string &Section, const std::string &Key)
{
    auto Found = M().profile.find(ProfileSlot(File, Section, Key));
    if (Found == M().profile.end())
        return Value{false, 0, ""};
    return Value{true, REG_SZ, Found->second};
}
}  // namespace sim

BOOL WINAPI IsDBCSLeadByte(BYTE Character)
{
    // Shift-JIS (code page 932) when a double-byte code page is chosen.
    return M().doubleByte && ((Character >= 0x81 && Character <= 0x9F) || (Character >= 0xE0 && Character <= 0xFC));
}

DWORD WINAPI GetTempPathA(DWORD Size, LPSTR Buffer)
{
    if (Enter("GetTempPathA", {(intptr_t)Size}))
        return 0;
    const std::string &Path = M().tempPath;
    if (Path.empty())
        return 0;
    // Too small a buffer: nothing written, the size needed returned.
    if (Path.size() + 1 > Size)
        return (DWORD)Path.size() + 1;
    memcpy(Buffer, Path.c_str(), Path.size() + 1);
    return (DWORD)Path.size();
}

BOOL WINAPI MoveFileExA(LPCSTR Existing, LPCSTR New, DWORD Flags)
{
    bool Failing = Enter("MoveFileExA", {(intptr_t)Flags}, {Existing ? Existing : "", New ? New : "(none)"});
    // Windows 95, 98 and Me have no MoveFileExA: it is a stub that fails.
    if (M().windows95) {
        M().lastError = ERROR_CALL_NOT_IMPLEMENTED;
        return FALSE;
    }
    if (!(Flags & MOVEFILE_DELAY_UNTIL_REBOOT) || New) {
        Fault("MoveFileExA: only deferred deletion is simulated");
        Failing = true;
    }
    if (Failing) {
        M().lastError = ERROR_ACCESS_DENIED;
        return FALSE;
    }
    // The request is kept by the system until it restarts; the call log is
    // its record.
    return TRUE;
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR Section, LPCSTR Key, LPCSTR Value, LPCSTR File)
{
    if (Enter("WritePrivateProfileStringA", {}, {Section ? Section : "", Key ? Key : "", Value ? Value : "", File ? File : ""}))
        return FALSE;
    if (!Section || !Key || !File) {
        Fault("WritePrivateProfileStringA: deleting sections or keys is not simulated");
        return FALSE;
    }
    std::string Slot = ProfileSlot(File, Section, Key);
    if (Value)
        M().profile[Slot] = Value;
    else
        M().profile.erase(Slot);
    return TRUE;
}

UINT WINAPI WinExec(LPCSTR CommandLine, UINT Show)
{
    Enter("WinExec", {(intptr_t)Show}, {CommandLine});
    return M().winExecResult;
}
