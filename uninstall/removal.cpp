// The removal stage, run by the copy in the temporary folder: the product's
// registry keys, the install folder, the shortcuts, then the copy itself.
#include "uninstaller.h"

// Each step opens (or creates) the parent and deletes one subkey of it. The
// file type is taken apart from its deepest key up, as Windows NT deletes
// only keys without subkeys.
struct RemovalStep {
    BOOL InClassesRoot;  // else under the current user
    const char *Parent;
    const char *SubKey;
};
static const RemovalStep RemovalSteps[] = {
    {FALSE, SOFTWARE_KEY, PRODUCT_NAME},
    {TRUE, PRODUCT_FILE_TYPE, "DefaultIcon"},
    {TRUE, PRODUCT_FILE_TYPE "\\Shell\\Open", "Command"},
    {TRUE, PRODUCT_FILE_TYPE "\\Shell", "Open"},
    {TRUE, PRODUCT_FILE_TYPE, "Shell"},
    {TRUE, "", PRODUCT_FILE_TYPE},  // an empty name opens the root itself
};

void RemoveRegistryEntries(void)
{
    for (unsigned Step = 0; Step < sizeof RemovalSteps / sizeof RemovalSteps[0]; Step++) {
        HKEY Root = RemovalSteps[Step].InClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
        HKEY Parent = OpenRegistryKey(Root, RemovalSteps[Step].Parent);
        if (Parent == NULL)
            continue;
        RegDeleteKeyA(Parent, RemovalSteps[Step].SubKey);
        RegCloseKey(Parent);
    }
}

// The shell writes up to MAX_PATH bytes; the pointer stays valid until the
// next call.
char *GetSpecialFolderPath(int Csidl)
{
    static char FolderPath[SHELL_PATH_SIZE];
    ZeroMemory(FolderPath, sizeof FolderPath);
    LPITEMIDLIST List;
    if (SHGetSpecialFolderLocation(NULL, Csidl, &List) != S_OK)
        return NULL;
    SHGetPathFromIDListA(List, FolderPath);
    FreeItemList(List);
    return FolderPath;
}

static void RemoveShortcut(int Csidl)
{
    char *Folder = GetSpecialFolderPath(Csidl);
    if (Folder == NULL || Folder[0] == 0)
        return;
    char Shortcut[PATH_SIZE];
    if (!CopyText(Shortcut, PATH_SIZE, Folder) || !AppendText(Shortcut, PATH_SIZE, SHORTCUT_IN_FOLDER))
        return;
    WIN32_FIND_DATAA Found;
    HANDLE Search = FindFirstFileA(Shortcut, &Found);
    if (Search == INVALID_HANDLE_VALUE)
        return;
    FindClose(Search);
    DeleteFileA(Shortcut);
}

void RemoveInstalledFiles(void)
{
    // The folder goes with everything in it and without a question, so only
    // a folder the installer made is handed to the shell.
    if (IsInstallFolder(InstallDir)) {
        SHFILEOPSTRUCTA Request;
        ZeroMemory(&Request, sizeof Request);
        Request.wFunc = FO_DELETE;
        Request.pFrom = InstallDir;
        Request.fFlags = FOF_NOCONFIRMATION;
        SHFileOperationA(&Request);
    }
    // The user's own desktop and the top of the user's Start menu.
    RemoveShortcut(CSIDL_DESKTOP);
    RemoveShortcut(CSIDL_STARTMENU);
}

void ScheduleSelfDelete(const char *Path)
{
    if (MoveFileExA(Path, NULL, MOVEFILE_DELAY_UNTIL_REBOOT) || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return;
    // Windows 95, 98 and Me: a line "NUL=" and the short path in the section
    // [rename] of WININIT.INI, which they process at their next start.
    char ShortPath[PATH_SIZE];
    DWORD Length = GetShortPathNameA(Path, ShortPath, PATH_SIZE);
    if (Length > 0 && Length < PATH_SIZE)
        WritePrivateProfileStringA(WININIT_SECTION, WININIT_DELETE_KEY, ShortPath, WININIT_FILE);
}

void RunRemoval(void)
{
    // The copy inherited the hand-off's current directory, which may be the
    // install folder; Windows removes no folder that is a process's current
    // directory.
    char OwnFolder[PATH_SIZE];
    if (GetOwnFolder(OwnFolder) && AppendText(OwnFolder, PATH_SIZE, "\\"))
        SetCurrentDirectoryA(OwnFolder);
    RemoveRegistryEntries();
    RemoveInstalledFiles();
    ScheduleSelfDelete(ProgramPath);
}
