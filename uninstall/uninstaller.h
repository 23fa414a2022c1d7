// The uninstaller: its state and routines, shared by its source files.
#ifndef ZEM_UNINSTALLER_H
#define ZEM_UNINSTALLER_H

#include "../common/common.h"

// Message-box flags; no box has an owner window.
enum {
    CONFIRM_BOX_FLAGS   = MB_TOPMOST | MB_ICONWARNING | MB_YESNO,
    ERROR_BOX_FLAGS     = MB_TOPMOST | MB_ICONERROR | MB_OK,
    PATHS_BOX_FLAGS     = MB_OK,
    COMPLETED_BOX_FLAGS = MB_TOPMOST | MB_ICONINFORMATION | MB_OK
};

// The install folder, without a trailing backslash. Zero-filled before it is
// written, so that the shell can take it as a list of names (which ends with
// an empty one).
extern char InstallDir[PATH_SIZE];

// The argument string: the command line after the program name and the
// blanks behind it.
char *CutArguments(char *CommandLine);

int WINAPI UninstallerMain(HINSTANCE Instance, HINSTANCE PreviousInstance, LPSTR Arguments, int Show);

// True only for a folder that the installer made: an absolute path, not a
// root, named ZEM, holding uninstall.exe.
BOOL IsInstallFolder(const char *Folder);

// Copies the program into the temporary folder and starts the copy with
// the removal command; ends the process with -1 when that fails.
void StartHandOff(void);

// The removal stage, run by the copy once the user has seen that it is done.
void RunRemoval(void);
void RemoveRegistryEntries(void);
void RemoveInstalledFiles(void);
char *GetSpecialFolderPath(int Csidl);
void ScheduleSelfDelete(const char *Path);

#endif
