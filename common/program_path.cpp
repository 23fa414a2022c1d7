// The program's own path and the folder it lies in.
#include "common.h"

char ProgramPath[PROGRAM_PATH_SIZE];

void FillProgramPath(void)
{
    GetModuleFileNameA(NULL, ProgramPath, PROGRAM_PATH_SIZE);
    // Windows XP truncates a path that does not fit without writing the NUL.
    ProgramPath[PROGRAM_PATH_SIZE - 1] = 0;
}

BOOL GetOwnFolder(char *Folder)
{
    Folder[0] = 0;
    if (!CopyText(Folder, PATH_SIZE, ProgramPath))
        return FALSE;
    // Walk back from the end, clearing up to and including the last backslash:
    // a program at D:\setup.exe gives "D:".
    int Position = lstrlenA(Folder);
    while (Position > 0) {
        Position--;
        char Character = Folder[Position];
        Folder[Position] = 0;
        if (Character == '\\')
            break;
    }
    return TRUE;
}
