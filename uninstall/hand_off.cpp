// The hand-off: the program copies itself into the temporary folder and
// starts the copy, which removes the install folder this program runs from.
#include "uninstaller.h"

// The copy failed, or a path would not fit its buffer: nothing has changed.
static void FailHandOff(const char *SourcePath, const char *TargetPath)
{
    MessageBoxA(NULL, SourcePath, TargetPath, PATHS_BOX_FLAGS);
    MessageBoxA(NULL, FAILED_TEXT, PRODUCT_NAME, ERROR_BOX_FLAGS);
    ExitProcess((UINT)-1);
}

void StartHandOff(void)
{
    char SourcePath[PATH_SIZE], TempDir[PATH_SIZE], TargetPath[PATH_SIZE];
    char CopyCommand[COPY_COMMAND_SIZE];
    SourcePath[0] = 0;
    TargetPath[0] = 0;
    BOOL Fits = CopyText(SourcePath, PATH_SIZE, InstallDir) &&
                AppendText(SourcePath, PATH_SIZE, UNINSTALLER_IN_FOLDER);
    // A result of 0 is a failure; one of PATH_SIZE or more is the size the
    // path would need, and nothing was written.
    DWORD Length = GetTempPathA(PATH_SIZE, TempDir);
    Fits = Fits && Length > 0 && Length < PATH_SIZE;
    if (Fits && TempDir[lstrlenA(TempDir) - 1] != '\\')
        Fits = AppendText(TempDir, PATH_SIZE, "\\");
    Fits = Fits && CopyText(TargetPath, PATH_SIZE, TempDir) && AppendText(TargetPath, PATH_SIZE, UNINSTALLER_FILE);
    // Quoted: temporary folders with blanks are common.
    Fits = Fits && CopyText(CopyCommand, COPY_COMMAND_SIZE, "\"") &&
           AppendText(CopyCommand, COPY_COMMAND_SIZE, TargetPath) &&
           AppendText(CopyCommand, COPY_COMMAND_SIZE, COPY_COMMAND_MIDDLE) &&
           AppendText(CopyCommand, COPY_COMMAND_SIZE, InstallDir);
    if (!Fits || !CopyFileA(SourcePath, TargetPath, FALSE))
        FailHandOff(SourcePath, TargetPath);

    // The copy waits at its completion message, so starting it before the
    // entry goes changes nothing it sees; and the entry stays where nothing
    // would remove the product.
    if (WinExec(CopyCommand, SW_SHOW) <= 31) {
        MessageBoxA(NULL, FAILED_TEXT, PRODUCT_NAME, ERROR_BOX_FLAGS);
        ExitProcess((UINT)-1);
    }
    HKEY Key = OpenRegistryKey(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
    if (Key != NULL) {
        RegDeleteKeyA(Key, PRODUCT_NAME);
        RegCloseKey(Key);
    }
}
