// The program's entry point and the cutting of the argument string from
// the command line: there is no C runtime to do either.
#include "uninstaller.h"

// The command line is the program name, blanks, then the argument string.
// A quoted name runs to the next quote or the end of the line; in a
// double-byte code page a lead byte takes its trail byte with it, so that a
// trail byte with the quote's code ends nothing. An unquoted name runs to the
// first byte of code 32 or less; bytes from 128 up belong to the name. The
// bytes 1 to 32 after the name are passed over; the rest, inner and trailing
// blanks included, is the argument string.
char *CutArguments(char *CommandLine)
{
    unsigned char *Position = (unsigned char *)CommandLine;
    if (*Position == '"') {
        Position++;
        while (*Position != 0 && *Position != '"') {
            if (IsDBCSLeadByte(*Position) && Position[1] != 0)
                Position++;
            Position++;
        }
        if (*Position == '"')
            Position++;
    } else {
        while (*Position > ' ')
            Position++;
    }
    while (*Position != 0 && *Position <= ' ')
        Position++;
    return (char *)Position;
}

extern "C" void UninstallerStartup(void)
{
    char *CommandLine = GetCommandLineA();
    FillProgramPath();
    char *Arguments = CutArguments(CommandLine);
    ExitProcess((UINT)UninstallerMain(GetModuleHandleA(NULL), NULL, Arguments, SW_SHOWDEFAULT));
}
