// The program's entry point: there is no C runtime to call InstallerMain.
#include "installer.h"

extern "C" void SetupStartup(void)
{
    FillProgramPath();
    STARTUPINFOA Startup;
    ZeroMemory(&Startup, sizeof Startup);
    Startup.cb = sizeof Startup;
    GetStartupInfoA(&Startup);
    int ShowState = (Startup.dwFlags & STARTF_USESHOWWINDOW) ? Startup.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess((UINT)InstallerMain(GetModuleHandleA(NULL), NULL, NULL, ShowState));
}
