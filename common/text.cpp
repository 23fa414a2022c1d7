// Bounded copy and append: the only way the programs put text into a buffer.
#include "common.h"

BOOL CopyText(char *Buffer, int BufferSize, const char *Text)
{
    if (lstrlenA(Text) >= BufferSize)
        return FALSE;
    lstrcpyA(Buffer, Text);
    return TRUE;
}

BOOL AppendText(char *Buffer, int BufferSize, const char *Text)
{
    int Used = lstrlenA(Buffer);
    if (Used >= BufferSize)
        return FALSE;
    return CopyText(Buffer + Used, BufferSize - Used, Text);
}
