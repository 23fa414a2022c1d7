// ChooseDestinationFolder: the folder dialog; the chosen folder with "ZEM\"
// inside it becomes the install folder.
#include "installer.h"

void ChooseDestinationFolder(void)
{
    BROWSEINFOA Browse;
    ZeroMemory(&Browse, sizeof Browse);
    Browse.hwndOwner = MainWindow;
    LPITEMIDLIST Chosen = SHBrowseForFolderA(&Browse);
    if (Chosen == NULL)
        return;
    // The shell writes up to MAX_PATH bytes.
    char Path[SHELL_PATH_SIZE];
    ZeroMemory(Path, sizeof Path);
    SHGetPathFromIDListA(Chosen, Path);
    FreeItemList(Chosen);

    int Length = lstrlenA(Path);
    if (Length == 0)
        return;
    // The last byte alone decides: in a double-byte code page a trail byte
    // of 0x5C counts as the closing backslash.
    char Folder[PATH_SIZE];
    if (!CopyText(Folder, PATH_SIZE, Path))
        return;
    if (Path[Length - 1] != '\\' && !AppendText(Folder, PATH_SIZE, "\\"))
        return;
    // An install folder too long for the commands built from it is refused
    // like a cancel.
    if (!AppendText(Folder, PATH_SIZE, INSTALL_FOLDER_NAME) || lstrlenA(Folder) > MAX_INSTALL_DIR_LENGTH)
        return;

    ZeroMemory(InstallDir, sizeof InstallDir);
    CopyText(InstallDir, PATH_SIZE, Folder);
    CopyText(StatusText, PATH_SIZE, InstallDir);
    PaintInstallerScreen(PAINT_STATUS);
}
