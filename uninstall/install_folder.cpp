// The test that a folder is one the installer made, before anything in it
// is offered for deletion or deleted.
#include "uninstaller.h"

static BOOL IsLetter(char Character)
{
    return (Character >= 'A' && Character <= 'Z') || (Character >= 'a' && Character <= 'z');
}

// Passes over one name of a path; returns where the backslash behind it is
// (or the end), or NULL for an empty name.
static const char *SkipName(const char *Position)
{
    const char *Start = Position;
    while (*Position != 0 && *Position != '\\')
        Position++;
    return Position == Start ? NULL : Position;
}

BOOL IsInstallFolder(const char *Folder)
{
    // The names below the root: after "X:\" or after "\\server\share\".
    const char *Names;
    if (IsLetter(Folder[0]) && Folder[1] == ':' && Folder[2] == '\\') {
        Names = Folder + 3;
    } else if (Folder[0] == '\\' && Folder[1] == '\\') {
        const char *Server = SkipName(Folder + 2);
        const char *Share = Server && *Server ? SkipName(Server + 1) : NULL;
        if (Share == NULL || *Share == 0)
            return FALSE;
        Names = Share + 1;
    } else {
        return FALSE;
    }
    // The last name, found going forward: in a double-byte code page a trail
    // byte may have the backslash's code.
    const char *LastName = Names;
    for (const char *Position = Names; *Position != 0; Position++) {
        if (IsDBCSLeadByte((BYTE)*Position)) {
            if (Position[1] == 0)
                return FALSE;
            Position++;
        } else if (*Position == '*' || *Position == '?') {
            return FALSE;
        } else if (*Position == '\\') {
            LastName = Position + 1;
        }
    }
    // The installer installs into a folder named ZEM, always.
    if (lstrcmpiA(LastName, PRODUCT_NAME) != 0)
        return FALSE;
    char Program[PATH_SIZE];
    if (!CopyText(Program, PATH_SIZE, Folder) || !AppendText(Program, PATH_SIZE, UNINSTALLER_IN_FOLDER))
        return FALSE;
    WIN32_FIND_DATAA Found;
    HANDLE Search = FindFirstFileA(Program, &Found);
    if (Search == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(Search);
    return (Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
